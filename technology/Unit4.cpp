#include "technology/Unit4.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Unit6.h"
#include "technology/Unit33.h"
#include "ui_Unit33.h"
#include "ui_Unit4.h"

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm4>())
{
    m_ui->setupUi(this);
    m_ui->DBGrid1->setDataset(DataModule6->proc_tech);
    m_ui->DBGrid1->setColumns({{QStringLiteral("id"), QStringLiteral("Номер"), 70},
                               {QStringLiteral("s_ii"), QStringLiteral("Изделие"), 230},
                               {QStringLiteral("s_gds"), QStringLiteral("Материал"), 200},
                               {QStringLiteral("s_caption"), QStringLiteral("Наименование"), 200},
                               {QStringLiteral("full_price"), QStringLiteral("Цена"), 80}});
    Catalog::installSearchKeys(m_ui->Edit1, DataModule6->proc_tech, false);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm4::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm4::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm4::Button3Click));
    connect(m_ui->Button9, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->DBGrid1, &DBGrid::dblClick, this, Platform::handler(this, &TForm4::Button2Click));
    connect(m_ui->DBGrid1, &DBGrid::titleClick, this, Platform::handler(this, &TForm4::DBGrid1TitleClick));
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm4::Edit1Change));
}

TForm4::~TForm4() = default;

void TForm4::FormActivate()
{
    m_ui->Edit1->setFocus();
    if (!m_ui->Edit1->text().trimmed().isEmpty())
        Edit1Change(m_ui->Edit1->text());
}

void TForm4::Edit1Change(const QString &text)
{
    Catalog::prefixSearch(DataModule6->proc_tech, text, QStringLiteral("s_ii"));
}

void TForm4::DBGrid1TitleClick(int column)
{
    // Ascending and descending keys per column; "Материал" does not sort.
    static const struct
    {
        const char *asc, *desc;
    } keys[] = {{"id ASC", "id DESC, s_ii ASC"},
                {"s_ii ASC", "s_ii DESC, id ASC"},
                {nullptr, nullptr},
                {"s_caption  ASC", "s_caption DESC, s_ii, id ASC"},
                {"full_price, s_ii, id ASC", "full_price DESC, s_ii, id ASC"}};
    if (column < 0 || column >= int(std::size(keys)) || !keys[column].asc)
        return;
    Dataset *ds = DataModule6->proc_tech;
    ds->setSort(
        QLatin1String(ds->sort().contains(QLatin1String("DESC")) ? keys[column].asc : keys[column].desc));
}

void TForm4::Button1Click()
{
    TForm33 *card = Form33;
    Ui::TForm33 *c = card->ui();
    card->Tag = 1;
    card->full_price->close();
    card->full_price->setParam(QStringLiteral("id_pt"), 0);
    card->full_price->open();
    DataModule6->operation->close();
    DataModule6->operation->setParam(QStringLiteral("id_proc_tech"), 0);
    DataModule6->operation->open();
    card->setOperationsEnabled(false);
    card->GdsId = 0;
    if (Tag == 2) {
        card->ItemId = ItemId;
        c->Edit2->setText(ItemName);
        card->remember(ItemName, ItemName, ItemName);
        card->Tag = 11;
    } else {
        card->ItemId = 0;
        c->Edit2->clear();
        card->remember(QString(), QString(), QString());
    }
    card->ProcId = 0;
    c->GroupBox1->setTitle(QStringLiteral("Техпроцесс № "));
    c->Edit3->clear();
    c->Edit4->clear();
    Platform::showModal(card);
    DataModule6->operation->close();
    card->full_price->close();
    // The list shows the new process with the price of the operations added to it.
    if (card->ProcId != 0)
        Catalog::reopenOnId(DataModule6->proc_tech, card->ProcId);
}

void TForm4::Button2Click()
{
    Dataset *ds = DataModule6->proc_tech;
    if (Catalog::currentId(ds) == 0)
        return;
    const int recNo = ds->recNo();
    TForm33 *card = Form33;
    Ui::TForm33 *c = card->ui();
    card->ProcId = ds->field(QStringLiteral("id")).asInt();
    card->ItemId = ds->field(QStringLiteral("id_inventory_items")).asInt();
    card->GdsId = ds->field(QStringLiteral("id_gds")).asInt();
    card->full_price->close();
    card->full_price->setParam(QStringLiteral("id_pt"), card->ProcId);
    card->full_price->open();
    card->Tag = 0;
    c->GroupBox1->setTitle(QStringLiteral("Техпроцесс № ") + QString::number(card->ProcId));
    DataModule6->operation->close();
    DataModule6->operation->setParam(QStringLiteral("id_proc_tech"), card->ProcId);
    DataModule6->operation->open();
    c->Edit2->setText(ds->field(QStringLiteral("s_ii")).asString().trimmed());
    c->Edit3->setText(ds->field(QStringLiteral("s_caption")).asString().trimmed());
    c->Edit4->setText(ds->field(QStringLiteral("s_gds")).asString().trimmed());
    card->remember(c->Edit2->text(), c->Edit3->text(), c->Edit4->text());
    card->setOperationsEnabled(true);
    Platform::showModal(card);
    DataModule6->operation->close();
    card->full_price->close();
    Catalog::reopenAt(ds, recNo);
}

void TForm4::Button3Click()
{
    Dataset *ds = DataModule6->proc_tech;
    const int id = Catalog::currentId(ds);
    if (id == 0)
        return;
    const int recNo = ds->recNo();
    if (!Platform::askDelete(QStringLiteral("Удалить строку (будет удалена вся спецификация ТП)?")))
        return;
    Action action(DataModule6->ADO_DB);
    DataModule6->cmd_all->execute(QStringLiteral("delete from mnf_proc_tech.proc_tech where id=") +
                                  QString::number(id));
    action.commit();
    Catalog::reopenAt(ds, recNo);
}
