#include "technology/Unit33.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Sql.h"
#include "data/Unit6.h"
#include "technology/Choosers.h"
#include "technology/Unit10.h"
#include "ui_Unit10.h"
#include "ui_Unit33.h"

TForm33 *Form33 = nullptr;

TForm33::TForm33(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm33>())
{
    m_ui->setupUi(this);
    full_price = new Dataset(DataModule6->ADO_DB, QStringLiteral("full_price"),
                             QStringLiteral("select sum(o.price) as full_price from mnf_operation.operation "
                                            "o   where o.id_proc_tech = :id_pt"),
                             this);
    // currval, not the sequence's last value: another client's insert cannot be picked up.
    max_id_pt =
        new Dataset(DataModule6->ADO_DB, QStringLiteral("max_id_pt"),
                    QStringLiteral("SELECT currval('mnf_proc_tech.proc_tech_id_seq') as max_id;"), this);
    connect(full_price, &Dataset::reset, this, &TForm33::showTotal);
    m_ui->DBGrid1->setDataset(DataModule6->operation);
    m_ui->DBGrid1->setColumns({{QStringLiteral("orderby"), QStringLiteral("Номер п.п."), 90},
                               {QStringLiteral("s_type"), QStringLiteral("Операция"), 300},
                               {QStringLiteral("s_state"), QStringLiteral("Результат"), 160},
                               {QStringLiteral("price"), QStringLiteral("Цена"), 90}});
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm33::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm33::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm33::Button3Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, Platform::handler(this, &TForm33::Button4Click));
    connect(m_ui->Button5, &QPushButton::clicked, this, Platform::handler(this, &TForm33::Button5Click));
    connect(m_ui->Button6, &QPushButton::clicked, this, Platform::handler(this, &TForm33::Button6Click));
    connect(m_ui->Button7, &QPushButton::clicked, this, Platform::handler(this, &TForm33::Button7Click));
    connect(m_ui->Button8, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->DBGrid1, &DBGrid::dblClick, this, Platform::handler(this, &TForm33::Button2Click));
}

TForm33::~TForm33() = default;

void TForm33::remember(const QString &item, const QString &name, const QString &gds)
{
    m_item = item;
    m_name = name;
    m_gds = gds;
    m_itemId = ItemId;
    m_gdsId = GdsId;
}

void TForm33::setOperationsEnabled(bool on)
{
    for (QPushButton *b : {m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Button4})
        b->setEnabled(on);
}

void TForm33::showTotal()
{
    const bool has = full_price->active() && !full_price->isEmpty();
    m_ui->price->setText(has ? full_price->field(QStringLiteral("full_price")).asString() : QString());
}

void TForm33::Button5Click()
{
    Choosers::chooseItem(33, QStringLiteral("where ii.id_type <> 0"));
}

void TForm33::Button7Click()
{
    if (Tag == 11)
        Choosers::chooseSourceWithNomenclatureChooser(
            QStringLiteral("where ii.id_type <> 1 and ii.id_type <> 3"));
    else
        Choosers::chooseItem(3, QStringLiteral("where ii.id_type <> -1"));
}

void TForm33::saveHeader()
{
    Dataset *list = DataModule6->proc_tech;
    const int recNo = list->active() ? list->recNo() : 0;
    const QString item = m_ui->Edit2->text(), name = m_ui->Edit3->text(), gds = m_ui->Edit4->text();
    const auto backToRecord = [&] {
        if (list->active() && !list->isEmpty() && recNo > 0)
            list->setRecNo(recNo);
    };
    if (item.isEmpty() && name.isEmpty() && gds.isEmpty())
        return;
    // The chosen ids count as well as the texts: two items may share a name.
    const bool changed = item != m_item || name != m_name || gds != m_gds || ProcId == 0 ||
                         ItemId != m_itemId || GdsId != m_gdsId;
    if (!changed) {
        backToRecord();
        return;
    }
    if (item.trimmed().isEmpty() || name.trimmed().isEmpty() || gds.trimmed().isEmpty() || ItemId == 0 ||
        GdsId == 0) {
        Platform::showError(QStringLiteral("Все поля должны быть заполнены."));
        return;
    }
    if (Platform::messageBox(QStringLiteral("Сохранить изменения?"), QStringLiteral("Сохраннение"),
                             QMessageBox::Yes | QMessageBox::No,
                             Platform::Icon::Question) != QMessageBox::Yes)
        return;

    const bool isNew = Tag == 1 || Tag == 11;
    Action action(DataModule6->ADO_DB);
    if (isNew) {
        DataModule6->cmd_all->execute(
            QStringLiteral(
                "insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds)VALUES(") +
            SqlText(name) + QStringLiteral(" ,") + QString::number(ItemId) + QStringLiteral(" ,") +
            QString::number(GdsId) + QStringLiteral(")"));
        max_id_pt->open();
        const int id = max_id_pt->field(QStringLiteral("max_id")).asInt();
        max_id_pt->close();
        action.commit();
        ProcId = id;
    } else {
        DataModule6->cmd_all->execute(
            QStringLiteral("UPDATE mnf_proc_tech.proc_tech SET s_caption=") + SqlText(name) +
            QStringLiteral(", id_inventory_items=") + QString::number(ItemId) + QStringLiteral(", id_gds=") +
            QString::number(GdsId) + QStringLiteral(" where id=") + QString::number(ProcId));
        // The operations carry the process's item: they change with it.
        DataModule6->cmd_all->execute(
            QStringLiteral("update mnf_operation.operation set id_inventory_items=") +
            QString::number(ItemId) + QStringLiteral(" where id_proc_tech=") + QString::number(ProcId));
        action.commit();
    }
    remember(item, name, gds);
    if (isNew) {
        m_ui->GroupBox1->setTitle(QStringLiteral("Техпроцесс № ") + QString::number(ProcId));
        DataModule6->operation->close();
        DataModule6->operation->setParam(QStringLiteral("id_proc_tech"), ProcId);
        DataModule6->operation->open();
        full_price->close();
        full_price->setParam(QStringLiteral("id_pt"), ProcId);
        full_price->open();
        Tag = 0;
    }
    if (list->active()) {
        list->close();
        list->open();
    }
    setOperationsEnabled(true);
    backToRecord();
}

void TForm33::Button6Click()
{
    saveHeader();
}

void TForm33::Button4Click()
{
    // The window closes after the save whatever it did, as its cancel result says.
    Platform::guard([this] { saveHeader(); });
    reject();
}

void TForm33::Button1Click()
{
    TForm10 *op = Form10;
    Ui::TForm10 *o = op->ui();
    op->Tag = 1;
    if (ItemId == 0 || GdsId == 0) {
        Platform::showError(QStringLiteral("Необходимо выбрать издение и материал."));
        return;
    }
    op->max_num->close();
    op->max_num->setParam(QStringLiteral("id_pt"), ProcId);
    op->max_num->open();
    o->Edit1->setText(op->max_num->field(QStringLiteral("orderby")).asString());
    o->Edit2->clear();
    o->Edit3->clear();
    op->TypeId = 0; // a new operation starts without a type
    op->EditId = 0;
    op->operation_state->close();
    op->operation_state->open();
    o->cb_operation_state->setKeyValue(-1);
    Platform::showModal(op);
    op->max_num->close();
    op->operation_state->close();
    full_price->close();
    full_price->open();
}

void TForm33::Button2Click()
{
    Dataset *ops = DataModule6->operation;
    if (Catalog::currentId(ops) == 0)
        return;
    const int recNo = ops->recNo();
    TForm10 *op = Form10;
    Ui::TForm10 *o = op->ui();
    op->Tag = 0;
    op->EditId = Catalog::currentId(ops);
    op->TypeId = ops->field(QStringLiteral("id_type")).asInt();
    o->Edit1->setText(ops->field(QStringLiteral("orderby")).asString());
    o->Edit2->setText(ops->field(QStringLiteral("s_type")).asString());
    o->Edit3->setText(ops->field(QStringLiteral("price")).asString());
    op->operation_state->close();
    op->operation_state->open();
    o->cb_operation_state->setKeyValue(ops->field(QStringLiteral("id_state")).value());
    Platform::showModal(op);
    op->operation_state->close();
    if (ops->active() && !ops->isEmpty())
        ops->setRecNo(recNo);
    full_price->close();
    full_price->open();
}

void TForm33::Button3Click()
{
    Dataset *ops = DataModule6->operation;
    const int id = Catalog::currentId(ops);
    if (id == 0)
        return;
    const int recNo = ops->recNo();
    if (!Platform::askDelete(QStringLiteral("Удалить операцию?")))
        return;
    Action action(DataModule6->ADO_DB);
    DataModule6->cmd_all->execute(QStringLiteral("delete from mnf_operation.operation where id=") +
                                  QString::number(id));
    action.commit();
    Catalog::reopenAt(ops, recNo);
    full_price->close();
    full_price->open();
}
