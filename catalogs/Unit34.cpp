#include "catalogs/Unit34.h"

#include "app/Platform.h"
#include "catalogs/Unit14.h"
#include "data/Unit6.h"
#include "ui_Unit14.h"
#include "ui_Unit34.h"

TForm34 *Form34 = nullptr;

TForm34::TForm34(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm34>())
{
    m_ui->setupUi(this);
    m_ui->DBGrid1->setDataset(DataModule6->jur_person);
    m_ui->DBGrid1->setColumns({{QStringLiteral("s_full_caption"), QStringLiteral("Наименование"), 380},
                               {QStringLiteral("s_ogrn"), QStringLiteral("ОГРН"), 150},
                               {QStringLiteral("s_inn"), QStringLiteral("ИНН"), 130}});
    Catalog::installSearchKeys(m_ui->Edit1, DataModule6->jur_person, true);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm34::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm34::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm34::Button3Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->CheckBox1, &QCheckBox::clicked, this, Platform::handler(this, &TForm34::CheckBox1Click));
    connect(m_ui->DBGrid1, &DBGrid::dblClick, this, Platform::handler(this, &TForm34::Button2Click));
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm34::Edit1Change));
}

TForm34::~TForm34() = default;

QString TForm34::AllSql()
{
    return QStringLiteral("select jp.* from cmn_contractor.jur_person jp order by jp.s_caption");
}

QString TForm34::WithPurchasesSql()
{
    return QStringLiteral(
        "SELECT distinct  jp.* FROM cmn_contractor.jur_person jp, stk_purchase.purchase_doc pd "
        "where pd.id_jur_person = jp.id  order by jp.id");
}

void TForm34::KeepingLayout()
{
    Catalog::keepingLayout(
        {m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Edit1, m_ui->Label_Edit1, m_ui->Button1});
}

void TForm34::ChooseLayout(int tag)
{
    Tag = tag;
    Catalog::chooseLayout(
        {m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Edit1, m_ui->Label_Edit1, m_ui->Button1});
}

void TForm34::ShowRequestsBox(bool visible)
{
    m_ui->CheckBox1->setVisible(visible);
}

void TForm34::Button1Click()
{
    Ui::TForm14 *edit = Form14->ui();
    Form14->Tag = 1;
    Form14->EditId = 0;
    edit->Edit1->clear();
    edit->Edit2->clear();
    edit->Edit3->clear();
    edit->Edit4->clear();
    Platform::showModal(Form14);
}

void TForm34::Button2Click()
{
    Dataset *ds = DataModule6->jur_person;
    if (Tag != 0) {
        ChooseTargets.choose(this, Tag, ds);
        return;
    }
    if (Catalog::currentId(ds) == 0)
        return;
    const int recNo = ds->recNo();
    Ui::TForm14 *edit = Form14->ui();
    Form14->Tag = 0;
    Form14->EditId = Catalog::currentId(ds);
    edit->Edit2->setText(ds->field(QStringLiteral("s_caption")).asString().trimmed());
    edit->Edit1->setText(ds->field(QStringLiteral("s_full_caption")).asString().trimmed());
    edit->Edit3->setText(ds->field(QStringLiteral("s_inn")).asString().trimmed());
    edit->Edit4->setText(ds->field(QStringLiteral("s_ogrn")).asString().trimmed());
    Platform::showModal(Form14);
    if (ds->active())
        ds->setRecNo(recNo);
}

void TForm34::Button3Click()
{
    Catalog::deleteCurrent(DataModule6->jur_person, QStringLiteral("cmn_contractor.jur_person"));
}

void TForm34::CheckBox1Click(bool checked)
{
    Dataset *ds = DataModule6->jur_person;
    ds->close();
    ds->setSql(checked ? WithPurchasesSql() : AllSql());
    ds->open();
}

void TForm34::Edit1Change(const QString &text)
{
    Dataset *ds = DataModule6->jur_person;
    ds->setFiltered(false);
    if (text.isEmpty())
        return;
    ds->setFilter(QStringLiteral("s_caption like '%") + Catalog::filterText(text) + QStringLiteral("%'"));
    ds->setFiltered(true);
}

void TForm34::FormClose()
{
    DataModule6->jur_person->setSql(AllSql());
    // The box shows the selection the next opening gets.
    m_ui->CheckBox1->setChecked(false);
}
