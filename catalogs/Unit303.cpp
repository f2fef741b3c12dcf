#include "catalogs/Unit303.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "catalogs/ItemList.h"
#include "data/Unit6.h"
#include "ui_Unit303.h"

TForm303 *Form303 = nullptr;

namespace {

// The placeholder item 0 ("no item", no type) is left out, as in every other item list.
const QString ItemsSql = QStringLiteral(
    R"SQL(select ii.*, (CASE ral WHEN true THEN '+' END) as s_ral, it.s_caption as s_type, n.s_caption as s_nom,  m.s_identification, (select count(pt.id) from  mnf_proc_tech.proc_tech pt where pt.id_inventory_items = ii.id) as tp_cnt  from cmn_inventory_items.inventory_items ii  left join cmn_inventory_items.ii_type it on ii.id_type = it.id  left join cmn_inventory_items.nomenclature n on ii.id_nom = n.id left join  cmn_msm.msm m on m.id = ii.id_msm  where ii.id<>0)SQL");

} // namespace

TForm303::TForm303(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm303>())
{
    m_ui->setupUi(this);
    inventory_items = new Dataset(DataModule6->ADO_DB, QStringLiteral("inventory_items"), ItemsSql, this);
    DBGrid *grid = m_ui->DBGridEh1;
    grid->setDataset(inventory_items);
    grid->setColumns({{QStringLiteral("marka"), QStringLiteral("Наименование"), 220},
                      {QStringLiteral("s_nom"), QStringLiteral("Номенклатура"), 130},
                      {QStringLiteral("s_identification"), QStringLiteral("Ед. изм."), 60},
                      {QStringLiteral("width"), QStringLiteral("Длина"), 60},
                      {QStringLiteral("thick"), QStringLiteral("Толщина"), 60},
                      {QStringLiteral("massa"), QStringLiteral("Масса"), 60},
                      {QStringLiteral("s_ral"), QStringLiteral("Краска"), 55},
                      {QStringLiteral("ral_cons"), QStringLiteral("Расх. кр."), 65},
                      {QStringLiteral("s_type"), QStringLiteral("Тип ТМЦ"), 120}});
    Catalog::installSearchKeys(m_ui->Edit1, inventory_items, false);
    applyConventions();
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm303::Button2Click));
    connect(m_ui->Button8, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid, &DBGrid::dblClick, this, Platform::handler(this, &TForm303::Button2Click));
    connect(grid, &DBGrid::titleClick, this, Platform::handler(this, &TForm303::DBGridEh1TitleClick));
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm303::Edit1Change));
}

TForm303::~TForm303() = default;

void TForm303::FormActivate()
{
    inventory_items->open();
    inventory_items->setSort(ItemList::DefaultSort);
    m_ui->Edit1->setFocus();
}

void TForm303::FormClose()
{
    inventory_items->close();
}

void TForm303::Button2Click()
{
    ChooseTargets.choose(this, Tag, inventory_items);
}

void TForm303::Edit1Change(const QString &text)
{
    if (text.isEmpty()) {
        inventory_items->setFiltered(false);
        return;
    }
    inventory_items->setFiltered(false);
    inventory_items->setFilter(QStringLiteral("marka like '%") + Catalog::filterText(text) +
                               QStringLiteral("%'"));
    inventory_items->setFiltered(true);
}

void TForm303::DBGridEh1TitleClick(int column)
{
    ItemList::sortByTitle(inventory_items, m_ui->DBGridEh1->datasetModel()->fieldOf(column));
}
