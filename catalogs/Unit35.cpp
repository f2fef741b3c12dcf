#include "catalogs/Unit35.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "catalogs/Unit58.h"
#include "data/Unit6.h"
#include "ui_Unit35.h"
#include "ui_Unit58.h"

TForm35 *Form35 = nullptr;

TForm35::TForm35(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm35>())
{
    m_ui->setupUi(this);
    m_ui->DBGridEh1->setDataset(DataModule6->role);
    m_ui->DBGridEh1->setColumns({{QStringLiteral("s_caption"), QStringLiteral("Наименование"), 220},
                                 {QStringLiteral("s_name"), QStringLiteral("Системное имя"), 150},
                                 {QStringLiteral("d_begin"), QStringLiteral("Дата начала"), 100},
                                 {QStringLiteral("d_end"), QStringLiteral("Дата оконч."), 100},
                                 {QStringLiteral("yesno"), QStringLiteral("Активна"), 70, true}});
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm35::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm35::Button2Click));
    // "Удалить" and the text box have no action: roles are never deleted here.
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->DBGridEh1, &DBGrid::dblClick, this, Platform::handler(this, &TForm35::Button2Click));
}

TForm35::~TForm35() = default;

void TForm35::KeepingLayout()
{
    m_ui->Button1->setVisible(true);
    m_ui->Button3->setVisible(true);
}

void TForm35::FormActivate()
{
    DataModule6->role->open();
}

void TForm35::FormClose()
{
    DataModule6->role->close();
}

void TForm35::Button1Click()
{
    Ui::TForm58 *edit = Form58->ui();
    edit->Edit1->clear();
    edit->Edit2->clear();
    edit->CheckBox1->setChecked(true);
    Form58->Tag = 0;
    Form58->EditId = 0;
    Platform::showModal(Form58);
    DataModule6->role->refresh();
}

void TForm35::Button2Click()
{
    Dataset *ds = DataModule6->role;
    if (Catalog::currentId(ds) == 0)
        return;
    const int recNo = ds->recNo();
    Ui::TForm58 *edit = Form58->ui();
    Form58->Tag = 1;
    Form58->EditId = Catalog::currentId(ds);
    edit->Edit2->setText(ds->field(QStringLiteral("s_caption")).asString().trimmed());
    edit->Edit1->setText(ds->field(QStringLiteral("s_name")).asString().trimmed());
    edit->CheckBox1->setChecked(ds->field(QStringLiteral("b_active")).asBoolean());
    Platform::showModal(Form58);
    Catalog::reopenAt(ds, recNo);
}
