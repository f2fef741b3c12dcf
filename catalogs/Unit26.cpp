#include "catalogs/Unit26.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "catalogs/Unit27.h"
#include "data/Unit6.h"
#include "ui_Unit26.h"
#include "ui_Unit27.h"

TForm26 *Form26 = nullptr;

TForm26::TForm26(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm26>())
{
    m_ui->setupUi(this);
    m_ui->DBGrid1->setDataset(DataModule6->staffpos);
    m_ui->DBGrid1->setColumns({{QStringLiteral("s_caption"), QStringLiteral("Наименование"), 240},
                               {QStringLiteral("s_description"), QStringLiteral("Описание"), 220},
                               {QStringLiteral("s_dep"), QStringLiteral("Подразделение"), 200}});
    Catalog::installSearchKeys(m_ui->Edit1, DataModule6->staffpos, true);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm26::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm26::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm26::Button3Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->DBGrid1, &DBGrid::dblClick, this, Platform::handler(this, &TForm26::Button2Click));
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm26::Edit1Change));
}

TForm26::~TForm26() = default;

void TForm26::Button1Click()
{
    Ui::TForm27 *edit = Form27->ui();
    Form27->Tag = 1;
    Form27->EditId = 0;
    Form27->cb_department->close();
    Form27->cb_department->open();
    Form27->cb_department->first();
    edit->Edit1->clear();
    edit->Edit2->clear();
    Platform::showModal(Form27);
}

void TForm26::Button2Click()
{
    Dataset *ds = DataModule6->staffpos;
    if (Catalog::currentId(ds) == 0)
        return;
    const int recNo = ds->recNo();
    Ui::TForm27 *edit = Form27->ui();
    Form27->Tag = 0;
    Form27->EditId = Catalog::currentId(ds);
    edit->Edit1->setText(ds->field(QStringLiteral("s_caption")).asString().trimmed());
    edit->Edit2->setText(ds->field(QStringLiteral("s_description")).asString().trimmed());
    Form27->cb_department->close();
    Form27->cb_department->open();
    edit->p_department->setKeyValue(ds->field(QStringLiteral("id_department")).value());
    Platform::showModal(Form27);
    if (ds->active())
        ds->setRecNo(recNo);
}

void TForm26::Button3Click()
{
    Catalog::deleteCurrent(DataModule6->staffpos, QStringLiteral("hrms_staffpos.staffpos"));
}

void TForm26::Edit1Change(const QString &text)
{
    Catalog::prefixSearch(DataModule6->staffpos, text);
}
