#include "catalogs/Unit7.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Numbers.h"
#include "data/Sql.h"
#include "data/Unit6.h"
#include "ui_Unit7.h"

TForm7 *Form7 = nullptr;

TForm7::TForm7(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm7>())
{
    m_ui->setupUi(this);
    nomenclature = new Dataset(
        DataModule6->ADO_DB, QStringLiteral("nomenclature"),
        QStringLiteral("select * from cmn_inventory_items.nomenclature order by s_caption"), this);
    operation_state =
        new Dataset(DataModule6->ADO_DB, QStringLiteral("operation_state"),
                    QStringLiteral("select * from cmn_inventory_items.ii_type order by id"), this);
    msm = new Dataset(DataModule6->ADO_DB, QStringLiteral("msm"),
                      QStringLiteral("select * from cmn_msm.msm order by id"), this);
    m_ui->combo_nomenclature->setListSource(nomenclature);
    m_ui->cb_operation_state->setListSource(operation_state);
    m_ui->cb_msm->setListSource(msm, QStringLiteral("id"), QStringLiteral("s_identification"));
    installWheelStepping(this, m_ui->combo_nomenclature);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm7::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TForm7::~TForm7() = default;

void TForm7::FormActivate()
{
    m_ui->Edit1->setFocus();
}

void TForm7::Button1Click()
{
    if (!Catalog::requireFilled(m_ui->Edit1->text()))
        return;
    // The type and the unit are mandatory (the server checks it too): the same message, not a
    // conversion error.
    if (!m_ui->cb_operation_state->keyValue().isValid() || !m_ui->cb_msm->keyValue().isValid()) {
        Platform::showError(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    const QString name = SqlText(m_ui->Edit1->text());
    const QString kind = m_ui->combo_nomenclature->keyText();
    const QString type = m_ui->cb_operation_state->keyText();
    const QString unit = m_ui->cb_msm->keyText();
    const QString massa = Catalog::numberField(m_ui->Edit2, m_ui->Label2->text());
    const QString width = Catalog::numberField(m_ui->Edit3, m_ui->Label3->text());
    const QString thick = Catalog::numberField(m_ui->Edit4, m_ui->Label4->text());
    const QString ralCons = Catalog::numberField(m_ui->Edit5, m_ui->Label5->text());
    const QString massaKg = Catalog::numberField(m_ui->Edit6, m_ui->Label6->text());
    // Painted exactly when a paint consumption above 0 was entered.
    const auto paint = Numbers::readNumber(m_ui->Edit5->text());
    const QString ral = paint && *paint > 0 ? QStringLiteral("1") : QStringLiteral("0");

    Action action(DataModule6->ADO_DB);
    if (Tag == 1)
        DataModule6->cmd_all->execute(
            QStringLiteral(
                "insert into cmn_inventory_items.inventory_items(marka, id_nom, massa,id_type, width, "
                "thick, ral, id_msm, ral_cons,massa_kg)VALUES(") +
            name + QStringLiteral(" , ") + kind + QStringLiteral(", ") + massa + QStringLiteral(", ") + type +
            QStringLiteral(", ") + width + QStringLiteral(", ") + thick + QStringLiteral(", ") + ral +
            QStringLiteral("::t_boolean, ") + unit + QStringLiteral(", ") + ralCons + QStringLiteral(", ") +
            massaKg + QStringLiteral(")"));
    else
        DataModule6->cmd_all->execute(
            QStringLiteral("UPDATE cmn_inventory_items.inventory_items SET marka=") + name +
            QStringLiteral(", massa=") + massa + QStringLiteral(", id_nom=") + kind +
            QStringLiteral(", id_type=") + type + QStringLiteral(", width=") + width +
            QStringLiteral(", thick=") + thick + QStringLiteral(", ral=") + ral +
            QStringLiteral("::t_boolean, id_msm=") + unit + QStringLiteral(", ral_cons=") + ralCons +
            QStringLiteral(", massa_kg=") + massaKg + QStringLiteral(" where id=") + QString::number(EditId));
    action.commit();
    // The dataset keeps its sort text across the reopen.
    if (DataModule6->inventory_items->active())
        Catalog::reopenOnId(DataModule6->inventory_items, EditId);
    accept();
}

void TForm7::FormClose()
{
    nomenclature->close();
}
