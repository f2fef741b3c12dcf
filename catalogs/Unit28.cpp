#include "catalogs/Unit28.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "catalogs/Unit29.h"
#include "catalogs/Unit3.h"
#include "data/Unit6.h"
#include "ui_Unit28.h"
#include "ui_Unit29.h"

TForm28 *Form28 = nullptr;

namespace {

const int CellButtonColumn = 2;

} // namespace

TForm28::TForm28(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm28>())
{
    m_ui->setupUi(this);
    DBGrid *grid = m_ui->DBGridEh1;
    grid->setDataset(DataModule6->nomenclature);
    DBGrid::Column button;
    button.width = 24;
    button.cellButton = true;
    grid->setColumns({{QStringLiteral("s_caption"), QStringLiteral("Наименование"), 280},
                      {QStringLiteral("s_department"), QStringLiteral("Подразделение"), 220},
                      button});
    Catalog::installSearchKeys(m_ui->Edit1, DataModule6->nomenclature, true);
    applyConventions();
    connect(m_ui->Button5, &QPushButton::clicked, this, Platform::handler(this, &TForm28::Button5Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm28::Button2Click));
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm28::Button3Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid, &DBGrid::dblClick, this, Platform::handler(this, &TForm28::Button2Click));
    connect(grid, &DBGrid::cellButtonClick, this, [this](int column) {
        if (column == CellButtonColumn)
            Platform::guard([this] { DBGridEh1Columns2CellButtons0Click(); });
    });
    connect(m_ui->Edit1, &QLineEdit::textChanged, this, Platform::handler(this, &TForm28::Edit1Change));
}

TForm28::~TForm28() = default;

void TForm28::Button5Click()
{
    Form29->Tag = 1;
    Form29->EditId = 0;
    Form29->ui()->Edit1->clear();
    Form29->cb_department->close();
    Form29->cb_department->open();
    Platform::showModal(Form29);
}

void TForm28::Button2Click()
{
    Dataset *ds = DataModule6->nomenclature;
    const int id = Catalog::currentId(ds);
    if (id == 0)
        return;
    const int recNo = ds->recNo();
    Form29->Tag = 0;
    Form29->EditId = id;
    Form29->ui()->Edit1->setText(ds->field(QStringLiteral("s_caption")).asString().trimmed());
    Form29->cb_department->close();
    Form29->cb_department->open();
    Form29->ui()->p_department->setKeyValue(ds->field(QStringLiteral("id_department")).value());
    Platform::showModal(Form29);
    Catalog::returnTo(ds, id, recNo);
}

void TForm28::Button3Click()
{
    Catalog::deleteCurrent(DataModule6->nomenclature, QStringLiteral("cmn_inventory_items.nomenclature"));
}

void TForm28::Edit1Change(const QString &text)
{
    Catalog::prefixSearch(DataModule6->nomenclature, text);
}

void TForm28::DBGridEh1Columns2CellButtons0Click()
{
    const int kind = Catalog::currentId(DataModule6->nomenclature);
    if (kind == 0)
        return;
    Dataset *items = DataModule6->inventory_items;
    items->open();
    items->setFilter(QStringLiteral("id_nom=") + QString::number(kind));
    items->setFiltered(true);
    // The item list keeps the catalog here, whatever a chooser's opener left in it.
    Form3->KeepingLayout();
    Form3->PresetNomenclature = kind;
    Platform::showModal(Form3);
    items->close();
    items->setFiltered(false);
    items->setFilter(QString());
}
