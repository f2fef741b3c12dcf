#include "catalogs/Unit5.h"

#include "app/Platform.h"
#include "catalogs/Unit2.h"
#include "data/Action.h"
#include "data/Unit6.h"
#include "ui_Unit2.h"
#include "ui_Unit5.h"

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm5>())
{
    m_ui->setupUi(this);
    m_ui->DBGrid1->setDataset(DataModule6->workers);
    m_ui->DBGrid1->setColumns({{QStringLiteral("s_caption"), QStringLiteral("ФИО"), 260},
                               {QStringLiteral("s_staffpos"), QStringLiteral("Должность"), 170},
                               {QStringLiteral("s_department"), QStringLiteral("Подразделение"), 170},
                               {QStringLiteral("s_role"), QStringLiteral("Роль"), 120}});
    Catalog::installSearchKeys(m_ui->Edit1, DataModule6->workers, true);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm5::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm5::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm5::Button3Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->DBGrid1, &DBGrid::dblClick, this, Platform::handler(this, &TForm5::Button2Click));
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm5::Edit1Change));
}

TForm5::~TForm5() = default;

void TForm5::KeepingLayout()
{
    Catalog::keepingLayout(
        {m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Edit1, m_ui->Label_Edit1, m_ui->Button1});
}

void TForm5::ChooseLayout(int tag)
{
    Tag = tag;
    Catalog::chooseLayout(
        {m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Edit1, m_ui->Label_Edit1, m_ui->Button1});
}

void TForm5::FormActivate()
{
    ChosenFlag = 0;
    if (m_ui->Edit1->isVisible())
        m_ui->Edit1->setFocus();
}

void TForm5::Button1Click()
{
    Ui::TForm2 *edit = Form2->ui();
    edit->Edit1->clear();
    edit->Edit2->clear();
    edit->Edit3->clear();
    Form2->setWindowTitle(QStringLiteral("Заведение данных нового работника"));
    Form2->Tag = 1;
    Form2->EditId = 0;
    for (Dataset *table : {Form2->staffpos, Form2->roles, Form2->department}) {
        table->open();
        table->first();
    }
    Platform::showModal(Form2);
    DataModule6->workers->refresh();
}

void TForm5::Button2Click()
{
    Dataset *ds = DataModule6->workers;
    if (Tag != 0) {
        ChooseTargets.choose(this, Tag, ds);
        return;
    }
    if (Catalog::currentId(ds) == 0)
        return;
    const int recNo = ds->recNo();
    Ui::TForm2 *edit = Form2->ui();
    Form2->setWindowTitle(QStringLiteral("Изменение данных работника"));
    Form2->Tag = 2;
    // Reopened so that the look-ups show what the server holds now.
    for (Dataset *table : {Form2->staffpos, Form2->roles, Form2->department}) {
        table->close();
        table->open();
    }
    edit->Edit1->setText(ds->field(QStringLiteral("s_second_name")).asString().trimmed());
    edit->Edit2->setText(ds->field(QStringLiteral("s_first_name")).asString().trimmed());
    edit->Edit3->setText(ds->field(QStringLiteral("s_third_name")).asString().trimmed());
    edit->LCB_roles->setKeyValue(ds->field(QStringLiteral("role_id")).value());
    edit->LCB_department->setKeyValue(ds->field(QStringLiteral("dep_id")).value());
    edit->LCB_staffpos->setKeyValue(ds->field(QStringLiteral("staff_id")).value());
    Form2->EditId = Catalog::currentId(ds);
    Platform::showModal(Form2);
    Catalog::reopenAt(ds, recNo);
}

void TForm5::Button3Click()
{
    Dataset *ds = DataModule6->workers;
    const int id = Catalog::currentId(ds);
    if (id == 0)
        return;
    if (!Platform::askDelete(QStringLiteral("Удалить работника?")))
        return;
    const int recNo = ds->recNo();
    Action action(DataModule6->ADO_DB);
    Form2->cmd_person->execute(QStringLiteral("delete from cmn_contractor.person where id =") +
                               QString::number(id));
    action.commit();
    Catalog::reopenAt(ds, recNo);
}

void TForm5::Edit1Change(const QString &text)
{
    Dataset *ds = DataModule6->workers;
    ds->setFiltered(false);
    if (text.isEmpty())
        return;
    const QString t = Catalog::filterText(text);
    ds->setFilter(QStringLiteral("s_caption like '") + t + QStringLiteral("%' or s_staffpos like '") + t +
                  QStringLiteral("%'"));
    ds->setFiltered(true);
}
