#include "requests/Unit44.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "catalogs/Unit3.h"
#include "data/Action.h"
#include "data/DbError.h"
#include "data/Numbers.h"
#include "data/Unit6.h"
#include "requests/Unit42.h"
#include "ui_Unit3.h"
#include "ui_Unit44.h"

#include <QMouseEvent>

TForm44 *Form44 = nullptr;

namespace {

// Items that can be made (not bought material) with their process count and source item.
const QString ItemChoiceSql = QStringLiteral(
    "select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as "
    "s_nom, "
    "s_identification, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = "
    "ii.id) as tp_cnt,pt2.id_gds, ii2.marka as s_caption_gds from cmn_inventory_items.inventory_items ii "
    "left "
    "join cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n "
    "on "
    "ii.id_nom = n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on "
    "ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds "
    "where "
    "ii.id_type <> 0 and ii.id <> 0 order by ii.marka");

// The item list's thirteenth column: the cell button that opens the item's processes.
const int ProcessesColumn = 12;

void showProcessesButton(bool on)
{
    QVector<DBGrid::Column> columns = Form3->ui()->DBGridEh1->columns();
    if (columns.size() > ProcessesColumn) {
        columns[ProcessesColumn].cellButton = on;
        Form3->ui()->DBGridEh1->setColumns(columns);
    }
}

// A typed "." becomes ",", the workstation's decimal separator.
void commaForPoint(QLineEdit *box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box] {
        const QString text = box->text();
        if (!text.contains(QLatin1Char('.')))
            return;
        const int pos = box->cursorPosition();
        box->setText(QString(text).replace(QLatin1Char('.'), QLatin1Char(',')));
        box->setCursorPosition(pos);
    });
}

// A quantity or price box as a positive number in SQL form; anything else stops the write.
QString positiveNumber(const QLineEdit *box, const QString &label, const QString &refusal, double *value)
{
    const QString sql = Catalog::numberField(box, label);
    *value = Numbers::readNumber(box->text()).value_or(0);
    if (*value <= 0)
        throw InputError(refusal);
    return sql;
}

} // namespace

TForm44::TForm44(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm44>())
{
    m_ui->setupUi(this);
    ral = new Dataset(
        DataModule6->ADO_DB, QStringLiteral("ral"),
        QStringLiteral("select ii.id, ii.marka as s_code from cmn_inventory_items.inventory_items ii "
                       "where ii.id_type =3 and id<>0  order by s_code"),
        this);
    cost_price = new Dataset(
        DataModule6->ADO_DB, QStringLiteral("cost_price"),
        QStringLiteral("select (ii.cost_price*1.2)::t_money as cost_price,(ii.cost_price)::t_money "
                       "as cost_price_20 from cmn_inventory_items.inventory_items ii where "
                       "ii.id=:id_ii"),
        this);
    cnt_ii =
        new Dataset(DataModule6->ADO_DB, QStringLiteral("cnt_ii"),
                    QStringLiteral("SELECT count(*) as cnt FROM mnf_app.app_spec as1 where id_ii =:id_ii and "
                                   "as1.id_app_doc = :id_app_doc and as1.id_ral = :id_ral "),
                    this);
    edit_line = new Dataset(
        DataModule6->ADO_DB, QStringLiteral("edit_line"),
        QStringLiteral("select id_ii, id_ral, state from mnf_app.app_spec where id=:id for update"), this);
    m_ui->LCB_ral->setListSource(ral, QStringLiteral("id"), QStringLiteral("s_code"));
    connect(cost_price, &Dataset::reset, this, [this] {
        const bool has = cost_price->active() && !cost_price->isEmpty();
        m_ui->DBText1->setText(has ? cost_price->field(QStringLiteral("cost_price")).asString() : QString());
    });
    commaForPoint(m_ui->Edit3);
    commaForPoint(m_ui->Edit1);
    m_ui->Edit2->installEventFilter(this);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm44::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->Button5, &QPushButton::clicked, this, Platform::handler(this, &TForm44::Button5Click));
}

TForm44::~TForm44() = default;

bool TForm44::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->Edit2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        Platform::guard([this] { Button5Click(); });
    return TFormBase::eventFilter(watched, event);
}

void TForm44::FormClose()
{
    cost_price->close();
}

void TForm44::openCostPrice()
{
    cost_price->close();
    // Item 0 is the placeholder row: no item, no cost.
    if (ItemId == 0)
        return;
    cost_price->setParam(QStringLiteral("id_ii"), ItemId);
    cost_price->open();
}

void TForm44::Button5Click()
{
    Form3->ChooseTargets.set(44, [](Dataset *row) {
        Ui::TForm44 *card = Form44->ui();
        card->Edit2->setText(row->field(QStringLiteral("marka")).asString().trimmed());
        Form44->ItemId = row->field(QStringLiteral("id")).asInt();
        card->Label2->setText(row->field(QStringLiteral("s_identification")).asString().trimmed());
        Form44->Painted = row->field(QStringLiteral("ral")).asBoolean();
        Form44->SourceId = row->field(QStringLiteral("id_gds")).asInt();
    });
    Dataset *items = DataModule6->inventory_items;
    const QString kept = items->sql();
    items->close();
    items->setSql(ItemChoiceSql);
    Form3->ChooseLayout(44);
    // Only items that have a technological process can be ordered.
    items->setFilter(QStringLiteral("tp_cnt>0"));
    items->setFiltered(true);
    showProcessesButton(false);
    items->open();
    Platform::showModal(Form3);
    showProcessesButton(true);
    Form3->KeepingLayout();
    items->setFiltered(false);
    items->close();
    items->setSql(kept);
    openCostPrice();
}

void TForm44::Button1Click()
{
    const int chosenRal = m_ui->LCB_ral->keyText().toInt();
    if (m_ui->Edit2->text().trimmed().isEmpty() || m_ui->Edit3->text().trimmed().isEmpty() ||
        m_ui->Edit1->text().trimmed().isEmpty() || ItemId == 0) {
        Platform::showError(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    // The colour that will be written: an unpainted item has none, whatever the combo shows.
    const int colour = Painted ? chosenRal : 0;
    const QString changeRefusal =
        QStringLiteral("Невозможно изменить принятую в работу строку спецификации!");

    bool sameKey = false;
    if (Tag != 1) {
        edit_line->close();
        edit_line->setParam(QStringLiteral("id"), EditId);
        edit_line->open();
        const bool drawnUp = !edit_line->isEmpty() && edit_line->field(QStringLiteral("state")).asInt() == 0;
        sameKey = drawnUp && edit_line->field(QStringLiteral("id_ii")).asInt() == ItemId &&
                  edit_line->field(QStringLiteral("id_ral")).asInt() == colour;
        edit_line->close();
        if (!drawnUp) {
            Platform::showError(changeRefusal);
            return;
        }
    }
    cnt_ii->close();
    cnt_ii->setParam(QStringLiteral("id_ii"), ItemId);
    cnt_ii->setParam(QStringLiteral("id_app_doc"), RequestId);
    cnt_ii->setParam(QStringLiteral("id_ral"), colour);
    cnt_ii->open();
    const qint64 same = cnt_ii->field(QStringLiteral("cnt")).asInteger();
    cnt_ii->close();
    if (same > 0 && !sameKey) {
        Platform::showError(QStringLiteral("Такая позиция есть в спецификации!"));
        return;
    }
    if (Painted && chosenRal <= 0) {
        Platform::showError(QStringLiteral("Необходимо указать RAL!"));
        return;
    }

    double count = 0, price = 0;
    const QString countSql = positiveNumber(m_ui->Edit3, QStringLiteral("Количество"),
                                            QStringLiteral("Количество должно быть больше нуля!"), &count);
    const QString priceSql = positiveNumber(m_ui->Edit1, QStringLiteral("Цена"),
                                            QStringLiteral("Цена должна быть больше нуля!"), &price);
    if (!cost_price->active())
        openCostPrice();
    const bool costed = cost_price->active() && !cost_price->isEmpty();
    const double withVat = costed ? cost_price->field(QStringLiteral("cost_price")).asFloat() : 0;
    const QString costSql = SqlNumber(
        costed ? cost_price->field(QStringLiteral("cost_price_20")).asString().trimmed() : QString());
    // Compared as the money values they are stored as.
    if (Numbers::roundHalfEven(price, 4) < Numbers::roundHalfEven(withVat, 4) &&
        !Platform::askWarning(QStringLiteral("Цена НИЖЕ себестоимости! Принять цену?")))
        return;

    const QString item = QString::number(ItemId), request = QString::number(RequestId),
                  ralText = QString::number(colour);
    bool refused = false;
    {
        Action action(DataModule6->ADO_DB);
        if (Tag == 1) {
            DataModule6->cmd_all->execute(
                QStringLiteral("INSERT INTO mnf_app.app_spec(id_ii, cnt, id_app_doc, id_ral, id_gds, price, "
                               "cost_price, master_id)VALUES(") +
                item + QStringLiteral(", ") + countSql + QStringLiteral(", ") + request +
                QStringLiteral(", ") + ralText + QStringLiteral(",") + QString::number(SourceId) +
                QStringLiteral(", ") + priceSql + QStringLiteral(", ") + costSql + QStringLiteral(",0)"));
            DataModule6->cmd_all->execute(
                QStringLiteral("INSERT INTO mnf_app.app_spec_ship(id_ii, id_app_doc, id_ral, cnt)VALUES(") +
                item + QStringLiteral(", ") + request + QStringLiteral(", ") + ralText +
                QStringLiteral(", ") + countSql + QStringLiteral(")"));
            action.commit();
        } else {
            // Locked and read again: a line accepted meanwhile keeps its stock and reserves.
            edit_line->close();
            edit_line->setParam(QStringLiteral("id"), EditId);
            edit_line->open();
            refused = edit_line->isEmpty() || edit_line->field(QStringLiteral("state")).asInt() != 0;
            const QString oldItem =
                refused ? QString() : QString::number(edit_line->field(QStringLiteral("id_ii")).asInt());
            const QString oldRal =
                refused ? QString() : QString::number(edit_line->field(QStringLiteral("id_ral")).asInt());
            edit_line->close();
            if (!refused) {
                DataModule6->cmd_all->execute(
                    QStringLiteral("UPDATE mnf_app.app_spec SET id_ii=") + item + QStringLiteral(", cnt=") +
                    countSql + QStringLiteral(", id_ral=") + ralText + QStringLiteral(", id_gds=") +
                    QString::number(SourceId) + QStringLiteral(", price=") + priceSql +
                    QStringLiteral(", cost_price=") + costSql + QStringLiteral(" where id=") +
                    QString::number(EditId));
                // The shipping counter follows its line.
                const qint64 moved = DataModule6->cmd_all->execute(
                    QStringLiteral("UPDATE mnf_app.app_spec_ship SET id_ii=") + item +
                    QStringLiteral(", id_ral=") + ralText + QStringLiteral(", cnt=") + countSql +
                    QStringLiteral(" where id_app_doc=") + request + QStringLiteral(" and id_ii=") + oldItem +
                    QStringLiteral(" and id_ral=") + oldRal);
                if (moved == 0)
                    DataModule6->cmd_all->execute(
                        QStringLiteral(
                            "INSERT INTO mnf_app.app_spec_ship(id_ii, id_app_doc, id_ral, cnt)VALUES(") +
                        item + QStringLiteral(", ") + request + QStringLiteral(", ") + ralText +
                        QStringLiteral(", ") + countSql + QStringLiteral(")"));
                action.commit();
            }
        }
    }
    if (refused) {
        Platform::showError(changeRefusal);
        return;
    }
    RalId = colour;
    Dataset *lines = Form42->app_spec;
    if (lines->active())
        Catalog::reopenAt(lines, lines->recNo());
    accept();
}
