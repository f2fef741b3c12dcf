#include "requests/Unit42.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Unit6.h"
#include "requests/Unit44.h"
#include "ui_Unit42.h"
#include "ui_Unit44.h"

TForm42 *Form42 = nullptr;

namespace {

const int CheckColumn = 7;

const QString LinesSql = QStringLiteral(
    "select ad.id as id_app_doc, jp.s_full_caption, m.s_identification as msm_s_caption, ii.marka as "
    "ii_s_caption, ii1.marka as ral_s_code,p.s_caption as p_s_caption, as1.price,   sum(as1.done) as "
    "done,sum(cnt) as cnt, min(as1.state) as state, (select sum(s.count) from stk_stocks.stock s where "
    "s.id_ii=as1.id_ii and s.id_ral=as1.id_ral) as stk_cnt, ad.d_out, (as1.cost_price*1.2)::t_money as "
    "cost_price, as1.id_ii, case  when min(as1.state)=3 then 1  else 0 end as b_state, case  when "
    "min(as1.state)=0 then 'Оформление'  when min(as1.state)=1 then 'Склад'  when min(as1.state)=2 then "
    "'Пр-во'  when min(as1.state)=3 then 'Готово'  when min(as1.state)=4 then 'Отгрузка'  when "
    "min(as1.state)=5 then 'Отгружено'  else '' end as s_state, ad.id_person, as1.id_ral from "
    "mnf_app.app_spec as1,cmn_inventory_items.inventory_items ii, cmn_msm.msm m, mnf_app.app_doc ad, "
    "cmn_contractor.jur_person jp,cmn_inventory_items.inventory_items ii1, cmn_contractor.person p where "
    "as1.id_ii = ii.id and m.id = ii.id_msm and ad.id =as1.id_app_doc and jp.id = ad.id_jur_person and "
    "as1.id_ral = ii1.id and ad.id_person = p.id and as1.id_app_doc=:id_app_doc group by jp.s_full_caption, "
    "m.s_identification, ii.marka, ii1.marka, as1.id_ii,as1.id_ral,ad.id_person,ad.d_out, as1.price, ad.id, "
    "as1.cost_price, as1.id_ii,p.s_caption order by ii.marka,ad.id  ");

} // namespace

TForm42::TForm42(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm42>())
{
    m_ui->setupUi(this);
    app_spec = new Dataset(DataModule6->ADO_DB, QStringLiteral("app_spec"), LinesSql, this);
    in_work =
        new Dataset(DataModule6->ADO_DB, QStringLiteral("in_work"),
                    QStringLiteral("select max(as1.state) as state from mnf_app.app_spec as1 where as1.id_ii "
                                   "= :id_ii and as1.id_ral=:id_ral and as1.id_app_doc=:id_app_doc"),
                    this);
    group_lines = new Dataset(
        DataModule6->ADO_DB, QStringLiteral("group_lines"),
        QStringLiteral(
            "select as1.id, as1.id_gds, ii.ral from mnf_app.app_spec as1, "
            "cmn_inventory_items.inventory_items ii where ii.id = as1.id_ii and as1.id_ii = :id_ii and "
            "as1.id_ral = :id_ral and as1.id_app_doc = :id_app_doc"),
        this);
    DBGrid *grid = m_ui->DBGridEh1;
    grid->setDataset(app_spec);
    DBGrid::Column done{QStringLiteral("b_state"), QStringLiteral("!"), 30, true};
    done.checkBox = true;
    grid->setColumns({{QStringLiteral("ii_s_caption"), QStringLiteral("Изделие"), 240},
                      {QStringLiteral("cnt"), QStringLiteral("Количество"), 90},
                      {QStringLiteral("msm_s_caption"), QStringLiteral("Ед. изм."), 60, true},
                      {QStringLiteral("ral_s_code"), QStringLiteral("Цвет"), 90},
                      {QStringLiteral("price"), QStringLiteral("Цена"), 90},
                      {QStringLiteral("cost_price"), QStringLiteral("Себес."), 90},
                      {QStringLiteral("s_state"), QStringLiteral("Состояние"), 100},
                      done});
    // Lines still being drawn up stand out.
    grid->setRowColor([](const Dataset *ds, int record) {
        const int state = ds->fieldIndex(QStringLiteral("state"));
        if (state >= 0 && ds->displayText(record, state) == QLatin1String("0"))
            return QColor(255, 238, 238);
        return QColor();
    });
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm42::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm42::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm42::Button3Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
}

TForm42::~TForm42() = default;

void TForm42::FormShow()
{
    showHeader();
    QVector<DBGrid::Column> columns = m_ui->DBGridEh1->columns();
    columns[CheckColumn].visible = Tag != 1;
    m_ui->DBGridEh1->setColumns(columns);
}

void TForm42::showHeader()
{
    Dataset *doc = DataModule6->app_doc;
    const bool shown = Catalog::currentId(doc) == RequestId && RequestId != 0;
    const auto text = [&](const char *field) {
        return shown ? doc->field(QLatin1String(field)).asString().trimmed() : QString();
    };
    m_ui->DBEdit1->setText(text("id"));
    m_ui->DBEdit2->setText(text("d_mnf"));
    m_ui->DBEdit3->setText(text("s_jp_caption"));
    m_ui->DBEdit4->setText(text("d_out"));
    m_ui->DBEdit5->setText(text("s_person_caption"));
}

int TForm42::highestState(int item, int colour)
{
    in_work->close();
    in_work->setParam(QStringLiteral("id_ii"), item);
    in_work->setParam(QStringLiteral("id_ral"), colour);
    in_work->setParam(QStringLiteral("id_app_doc"), RequestId);
    in_work->open();
    const Field state = in_work->field(QStringLiteral("state"));
    const int highest = state.isNull() ? -1 : state.asInt();
    in_work->close();
    return highest;
}

bool TForm42::groupIsDrawnUp(const QString &refusal)
{
    if (app_spec->field(QStringLiteral("state")).asInt() != 0 ||
        highestState(app_spec->field(QStringLiteral("id_ii")).asInt(),
                     app_spec->field(QStringLiteral("id_ral")).asInt()) > 0) {
        Platform::showError(refusal);
        return false;
    }
    return true;
}

void TForm42::Button1Click()
{
    Ui::TForm44 *card = Form44->ui();
    card->Edit1->clear();
    card->Edit2->clear();
    card->Edit3->clear();
    Form44->ral->close();
    Form44->ral->open();
    card->LCB_ral->setKeyValue(0);
    card->GroupBox1->setTitle(QStringLiteral("Заявка в производство № ") + QString::number(RequestId));
    card->Label2->clear();
    Form44->Tag = 1;
    Form44->RequestId = RequestId;
    Form44->EditId = 0;
    Form44->ItemId = 0;
    Form44->SourceId = 0;
    Form44->Painted = false;
    Form44->openCostPrice();
    DataModule6->msm->open();
    Platform::showModal(Form44);
    DataModule6->msm->close();
    Form44->ral->close();
}

void TForm42::Button2Click()
{
    if (!app_spec->active() || app_spec->isEmpty())
        return;
    if (!groupIsDrawnUp(QStringLiteral("Невозможно изменить принятую в работу строку спецификации!")))
        return;
    const int item = app_spec->field(QStringLiteral("id_ii")).asInt();
    const int colour = app_spec->field(QStringLiteral("id_ral")).asInt();
    group_lines->close();
    group_lines->setParam(QStringLiteral("id_ii"), item);
    group_lines->setParam(QStringLiteral("id_ral"), colour);
    group_lines->setParam(QStringLiteral("id_app_doc"), RequestId);
    group_lines->open();
    const int lines = group_lines->recordCount();
    const int line = lines == 1 ? group_lines->field(QStringLiteral("id")).asInt() : 0;
    const int source = lines == 1 ? group_lines->field(QStringLiteral("id_gds")).asInt() : 0;
    const bool painted = lines == 1 && group_lines->field(QStringLiteral("ral")).asBoolean();
    group_lines->close();
    if (line == 0) {
        // Which of several lines a new count or price would belong to is not for the card to guess.
        Platform::showError(QStringLiteral("Позиция состоит из нескольких строк спецификации: измените её "
                                           "удалением и добавлением."));
        return;
    }

    const int recNo = app_spec->recNo();
    Ui::TForm44 *card = Form44->ui();
    card->Edit2->setText(app_spec->field(QStringLiteral("ii_s_caption")).asString().trimmed());
    card->Label2->setText(app_spec->field(QStringLiteral("msm_s_caption")).asString().trimmed());
    card->Edit3->setText(app_spec->field(QStringLiteral("cnt")).asString());
    card->Edit1->setText(app_spec->field(QStringLiteral("price")).asString());
    Form44->ral->close();
    Form44->ral->open();
    card->LCB_ral->setKeyValue(colour);
    card->GroupBox1->setTitle(QStringLiteral("Заявка в производство № ") + QString::number(RequestId));
    Form44->Tag = 0;
    Form44->RequestId = RequestId;
    Form44->EditId = line;
    Form44->ItemId = item;
    Form44->SourceId = source;
    Form44->Painted = painted;
    Form44->openCostPrice();
    DataModule6->msm->open();
    Platform::showModal(Form44);
    DataModule6->msm->close();
    Form44->ral->close();
    if (app_spec->active() && !app_spec->isEmpty())
        app_spec->setRecNo(recNo);
}

void TForm42::Button3Click()
{
    if (!app_spec->active() || app_spec->isEmpty())
        return;
    const QString refusal = QStringLiteral("Невозможно удалить принятую в работу строку спецификации!");
    if (!groupIsDrawnUp(refusal))
        return;
    const int recNo = app_spec->recNo();
    if (!Platform::askDelete(QStringLiteral("Удалить строку?")))
        return;
    const int item = app_spec->field(QStringLiteral("id_ii")).asInt();
    const int colour = app_spec->field(QStringLiteral("id_ral")).asInt();
    const QString group = QStringLiteral("id_ii=") + QString::number(item) + QStringLiteral(" and id_ral=") +
                          QString::number(colour) + QStringLiteral(" and id_app_doc=") +
                          QString::number(RequestId);
    bool refused = false;
    {
        Action action(DataModule6->ADO_DB);
        // Only lines still being drawn up go, locked by the delete; a line of the group accepted in
        // the meantime keeps the whole group.
        DataModule6->cmd_all->execute(QStringLiteral("delete from  mnf_app.app_spec where ") + group +
                                      QStringLiteral(" and state=0"));
        refused = highestState(item, colour) >= 0;
        if (!refused) {
            // Re-adding the item and colour starts a fresh shipping counter.
            DataModule6->cmd_all->execute(QStringLiteral("delete from mnf_app.app_spec_ship where ") + group);
            action.commit();
        }
    }
    if (refused) {
        Platform::showError(refusal);
        return;
    }
    Catalog::reopenAt(app_spec, recNo);
}
