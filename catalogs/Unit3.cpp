#include "catalogs/Unit3.h"
#include "technology/Unit4.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "catalogs/ItemList.h"
#include "catalogs/Unit7.h"
#include "data/Unit6.h"
#include "ui_Unit3.h"
#include "ui_Unit7.h"

TForm3 *Form3 = nullptr;

namespace {

const int CellButtonColumn = 12;

} // namespace

TForm3::TForm3(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm3>())
{
    m_ui->setupUi(this);
    pt_cnt = new Dataset(
        DataModule6->ADO_DB, QStringLiteral("pt_cnt"),
        QStringLiteral(
            "select count(*) as cnt from mnf_proc_tech.proc_tech pt where pt.id_inventory_items = :id_ii"),
        this);
    DBGrid *grid = m_ui->DBGridEh1;
    grid->setDataset(DataModule6->inventory_items);
    DBGrid::Column button;
    button.width = 24;
    button.cellButton = true;
    grid->setColumns({{QStringLiteral("marka"), QStringLiteral("Наименование"), 220},
                      {QStringLiteral("s_nom"), QStringLiteral("Вид номенклатуры"), 130},
                      {QStringLiteral("cost_price"), QStringLiteral("Себес."), 70},
                      {QStringLiteral("s_identification"), QStringLiteral("Ед. изм."), 60, true},
                      {QStringLiteral("width"), QStringLiteral("Длина"), 60},
                      {QStringLiteral("thick"), QStringLiteral("Толщина"), 60},
                      {QStringLiteral("massa_kg"), QStringLiteral("Масса"), 60},
                      {QStringLiteral("massa"), QStringLiteral("Расх. МТР"), 70},
                      {QStringLiteral("s_ral"), QStringLiteral("Краска"), 55, true},
                      {QStringLiteral("ral_cons"), QStringLiteral("Расх. кр."), 65},
                      {QStringLiteral("s_type"), QStringLiteral("Тип ТМЦ"), 120},
                      {QStringLiteral("tp_cnt"), QStringLiteral("ТП"), 40, true},
                      button});
    Catalog::installSearchKeys(m_ui->Edit1, DataModule6->inventory_items, false);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm3::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm3::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm3::Button3Click));
    connect(m_ui->Button8, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid, &DBGrid::dblClick, this, Platform::handler(this, &TForm3::Button2Click));
    connect(grid, &DBGrid::titleClick, this, Platform::handler(this, &TForm3::DBGridEh1TitleClick));
    connect(grid, &DBGrid::cellButtonClick, this, [this](int column) {
        if (column == CellButtonColumn)
            Platform::guard([this] { DBGridEh1Columns9CellButtons0Click(); });
    });
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm3::Edit1Change));
}

TForm3::~TForm3() = default;

void TForm3::KeepingLayout()
{
    Tag = 0;
    Catalog::keepingLayout(
        {m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Edit1, nullptr, m_ui->Button2});
}

void TForm3::ChooseLayout(int tag)
{
    Tag = tag;
    Catalog::chooseLayout({m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Edit1, nullptr, m_ui->Button2});
}

void TForm3::FormShow()
{
    m_sortOnActivate = true;
}

void TForm3::FormActivate()
{
    Dataset *ds = DataModule6->inventory_items;
    ds->open();
    // The first activation of a showing sorts by name; returning from the edit window keeps the
    // sort the user chose by the titles (the edit window keeps it across its refresh too).
    if (m_sortOnActivate) {
        ds->setSort(ItemList::DefaultSort);
        m_sortOnActivate = false;
    }
    if (m_ui->Edit1->isVisible())
        m_ui->Edit1->setFocus();
}

void TForm3::FormClose()
{
    DataModule6->inventory_items->close();
    PresetNomenclature = -1;
}

void TForm3::Button1Click()
{
    Dataset *ds = DataModule6->inventory_items;
    const int recNo = ds->recNo();
    Ui::TForm7 *edit = Form7->ui();
    for (QLineEdit *e : std::initializer_list<QLineEdit *>{edit->Edit1, edit->Edit2, edit->Edit3, edit->Edit4,
                                                           edit->Edit5, edit->Edit6})
        e->clear();
    for (Dataset *table : {Form7->msm, Form7->operation_state, Form7->nomenclature}) {
        table->close();
        table->open();
    }
    if (PresetNomenclature >= 0)
        edit->combo_nomenclature->setKeyValue(PresetNomenclature);
    else
        edit->combo_nomenclature->clearKey();
    Form7->Tag = 1;
    Form7->EditId = 0;
    Platform::showModal(Form7);
    for (Dataset *table : {Form7->msm, Form7->operation_state, Form7->nomenclature})
        table->close();
    if (ds->active() && recNo > 0)
        ds->setRecNo(recNo);
}

void TForm3::Button2Click()
{
    if (Tag != 0) {
        choose();
        return;
    }
    Dataset *ds = DataModule6->inventory_items;
    const int id = Catalog::currentId(ds);
    if (id == 0)
        return;
    const int recNo = ds->recNo();
    for (Dataset *table : {Form7->msm, Form7->operation_state, Form7->nomenclature}) {
        table->close();
        table->open();
    }
    Ui::TForm7 *edit = Form7->ui();
    Form7->Tag = 2;
    Form7->EditId = id;
    const auto text = [ds](const char *field) {
        return ds->field(QLatin1String(field)).asString().trimmed();
    };
    edit->Edit1->setText(text("marka"));
    edit->Edit2->setText(text("massa"));
    edit->Edit3->setText(text("width"));
    edit->Edit4->setText(text("thick"));
    edit->Edit5->setText(text("ral_cons"));
    edit->Edit6->setText(text("massa_kg"));
    edit->combo_nomenclature->setKeyValue(ds->field(QStringLiteral("id_nom")).value());
    edit->cb_operation_state->setKeyValue(ds->field(QStringLiteral("id_type")).value());
    edit->cb_msm->setKeyValue(ds->field(QStringLiteral("id_msm")).value());
    Platform::showModal(Form7);
    for (Dataset *table : {Form7->msm, Form7->operation_state, Form7->nomenclature})
        table->close();
    Catalog::returnTo(ds, id, recNo);
}

void TForm3::choose()
{
    Dataset *ds = DataModule6->inventory_items;
    const int recNo = ds->recNo();
    if (!ChooseTargets.has(Tag)) {
        // An opener this list does not know (yet): nothing is chosen.
        if (ds->active() && recNo > 0)
            ds->setRecNo(recNo);
        return;
    }
    const int id = Catalog::currentId(ds);
    if (id == 0) {
        reject();
        return;
    }
    if (Tag == 44) {
        // A production request line needs an item that has a technological process.
        pt_cnt->close();
        pt_cnt->setParam(QStringLiteral("id_ii"), id);
        pt_cnt->open();
        const qint64 count = pt_cnt->field(QStringLiteral("cnt")).asInteger();
        pt_cnt->close();
        if (count <= 0) {
            Platform::showError(QStringLiteral("Техпроцесс не найден!"));
            ds->setRecNo(recNo);
            return;
        }
    }
    ChooseTargets.run(Tag, ds);
    ds->setRecNo(recNo);
    accept();
}

void TForm3::Button3Click()
{
    Catalog::deleteCurrent(DataModule6->inventory_items,
                           QStringLiteral("cmn_inventory_items.inventory_items"));
}

void TForm3::Edit1Change(const QString &text)
{
    Dataset *ds = DataModule6->inventory_items;
    if (text.isEmpty()) {
        // As the catalog was designed: clearing the search leaves only the items that have a
        // technological process, if the search had switched the filter on.
        ds->setFilter(QStringLiteral("tp_cnt>0"));
        return;
    }
    const QString t = Catalog::filterText(text);
    ds->setFiltered(false);
    ds->setFilter(QStringLiteral("tp_cnt>0 and marka like '%") + t + QStringLiteral("%' or s_nom like '%") +
                  t + QStringLiteral("%'"));
    ds->setFiltered(true);
}

void TForm3::DBGridEh1TitleClick(int column)
{
    ItemList::sortByTitle(DataModule6->inventory_items, m_ui->DBGridEh1->datasetModel()->fieldOf(column));
}

void TForm3::DBGridEh1Columns9CellButtons0Click()
{
    Dataset *items = DataModule6->inventory_items;
    const int id = Catalog::currentId(items);
    if (id == 0)
        return;
    Dataset *processes = DataModule6->proc_tech;
    processes->close();
    processes->setFilter(QStringLiteral("id_inventory_items=") + QString::number(id));
    processes->setFiltered(true);
    processes->open();
    Form4->ItemId = id;
    Form4->ItemName = items->field(QStringLiteral("marka")).asString();
    Form4->Tag = 2;
    Platform::showModal(Form4);
    Form4->Tag = 0;
    processes->close();
    processes->setFiltered(false);
}
