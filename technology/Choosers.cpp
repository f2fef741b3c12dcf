#include "technology/Choosers.h"

#include "app/Platform.h"
#include "catalogs/Unit3.h"
#include "catalogs/Unit303.h"
#include "catalogs/Unit8.h"
#include "data/Unit6.h"
#include "technology/Unit10.h"
#include "technology/Unit33.h"
#include "ui_Unit10.h"
#include "ui_Unit3.h"
#include "ui_Unit303.h"
#include "ui_Unit33.h"
#include "ui_Unit8.h"

namespace Choosers {
namespace {

// Items with their process count and source item; the caller adds the condition.
const QString ItemChoice = QStringLiteral(
    "select ii.*, (CASE ii.ral WHEN true THEN 'Да' END) as s_ral, it.s_caption as s_type, n.s_caption as "
    "s_nom, "
    "s_identification,(select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = "
    "ii.id) as "
    "tp_cnt, pt2.id_gds, ii2.marka as s_caption_gds  from cmn_inventory_items.inventory_items ii left join "
    "cmn_inventory_items.ii_type it on ii.id_type = it.id left join cmn_inventory_items.nomenclature n on "
    "ii.id_nom "
    "= n.id left join  cmn_msm.msm m on m.id = ii.id_msm left join mnf_proc_tech.proc_tech pt2 on "
    "ii.id=pt2.id_inventory_items left join cmn_inventory_items.inventory_items ii2 on ii2.id=pt2.id_gds ");

void setSource(Dataset *row)
{
    Form33->ui()->Edit4->setText(row->field(QStringLiteral("marka")).asString().trimmed());
    Form33->GdsId = row->field(QStringLiteral("id")).asInt();
}

} // namespace

void chooseItem(int tag, const QString &where)
{
    Form3->ChooseTargets.set(33, [](Dataset *row) {
        const QString name = row->field(QStringLiteral("marka")).asString().trimmed();
        Form33->ui()->Edit2->setText(name);
        Form33->ui()->Edit3->setText(name);
        Form33->ItemId = row->field(QStringLiteral("id")).asInt();
    });
    Form3->ChooseTargets.set(3, setSource);

    Dataset *items = DataModule6->inventory_items;
    const QString kept = items->sql();
    items->close();
    items->setSql(ItemChoice + where);
    Form3->ChooseLayout(tag);
    items->open();
    Platform::showModal(Form3);
    Form3->KeepingLayout();
    items->close();
    items->setSql(kept);
}

void chooseSourceWithNomenclatureChooser(const QString &where)
{
    Form303->ChooseTargets.set(3, setSource);
    Dataset *items = Form303->inventory_items;
    const QString kept = items->sql();
    items->close();
    items->setSql(ItemChoice + where);
    Form303->ui()->Button2->setText(QStringLiteral("Выбрать"));
    Form303->Tag = 3;
    items->open();
    Platform::showModal(Form303);
    items->close();
    items->setSql(kept);
}

void chooseOperationType()
{
    Form8->ChooseTargets.set(1, [](Dataset *row) {
        Form10->ui()->Edit2->setText(row->field(QStringLiteral("s_caption")).asString().trimmed());
        Form10->TypeId = row->field(QStringLiteral("id")).asInt();
    });
    Ui::TForm8 *list = Form8->ui();
    Form8->Tag = 1;
    DataModule6->operation_type->open();
    list->Button1->setVisible(false);
    list->Button3->setVisible(false);
    list->Button2->setDefault(true);
    list->Edit1->setVisible(true);
    list->Edit1->clear();
    Platform::showModal(Form8);
    list->Button2->setDefault(false);
    list->Edit1->setVisible(false);
    DataModule6->operation_type->close();
    Form8->Tag = 0;
}

} // namespace Choosers
