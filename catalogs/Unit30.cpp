#include "catalogs/Unit30.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "catalogs/Unit31.h"
#include "data/Unit6.h"
#include "ui_Unit30.h"
#include "ui_Unit31.h"

TForm30 *Form30 = nullptr;

TForm30::TForm30(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm30>())
{
    m_ui->setupUi(this);
    m_ui->DBGrid1->setDataset(DataModule6->department);
    m_ui->DBGrid1->setColumns({{QStringLiteral("s_caption"), QStringLiteral("Наименование"), 220},
                               {QStringLiteral("s_description"), QStringLiteral("Примечание"), 200},
                               {QStringLiteral("s_parent"), QStringLiteral("Род.  подразделение"), 170},
                               {QStringLiteral("s_type"), QStringLiteral("Тип склада"), 120}});
    Catalog::installSearchKeys(m_ui->Edit1, DataModule6->department, true);
    applyConventions();
    connect(m_ui->Button5, &QPushButton::clicked, this, Platform::handler(this, &TForm30::Button5Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm30::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm30::Button3Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->DBGrid1, &DBGrid::dblClick, this, Platform::handler(this, &TForm30::Button2Click));
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm30::Edit1Change));
}

TForm30::~TForm30() = default;

void TForm30::Button5Click()
{
    Ui::TForm31 *edit = Form31->ui();
    Form31->Tag = 1;
    Form31->EditId = 0;
    Form31->cb_department->close();
    Form31->cb_department->open();
    Form31->cb_department->first();
    edit->Edit1->clear();
    edit->Edit2->clear();
    edit->CheckBox1->setChecked(false);
    edit->type_combo->setCurrentIndex(-1);
    edit->type_combo->setEnabled(false);
    edit->Label3->setEnabled(false);
    Platform::showModal(Form31);
}

void TForm30::Button2Click()
{
    Dataset *ds = DataModule6->department;
    if (Catalog::currentId(ds) == 0)
        return;
    const int recNo = ds->recNo();
    Ui::TForm31 *edit = Form31->ui();
    Form31->Tag = 0;
    Form31->EditId = Catalog::currentId(ds);
    edit->Edit1->setText(ds->field(QStringLiteral("s_caption")).asString().trimmed());
    edit->Edit2->setText(ds->field(QStringLiteral("s_description")).asString().trimmed());
    const int kind = ds->field(QStringLiteral("type")).asInt();
    edit->type_combo->setCurrentIndex(kind >= 0 && kind < edit->type_combo->count() ? kind : -1);
    edit->CheckBox1->setChecked(kind >= 0);
    edit->type_combo->setEnabled(kind >= 0);
    edit->Label3->setEnabled(kind >= 0);
    Form31->cb_department->close();
    Form31->cb_department->open();
    edit->p_department->setKeyValue(ds->field(QStringLiteral("id_parent")).value());
    Platform::showModal(Form31);
    if (ds->active())
        ds->setRecNo(recNo);
}

void TForm30::Button3Click()
{
    Catalog::deleteCurrent(DataModule6->department, QStringLiteral("cmn_department.department"));
}

void TForm30::Edit1Change(const QString &text)
{
    Catalog::prefixSearch(DataModule6->department, text);
}
