#include "catalogs/Unit29.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Sql.h"
#include "data/Unit6.h"
#include "ui_Unit29.h"

TForm29 *Form29 = nullptr;

TForm29::TForm29(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm29>())
{
    m_ui->setupUi(this);
    cb_department = Catalog::departmentTable(this);
    m_ui->p_department->setListSource(cb_department);
    installWheelStepping(this, m_ui->p_department);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm29::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TForm29::~TForm29() = default;

void TForm29::Button1Click()
{
    if (!Catalog::requireFilled(m_ui->Edit1->text()))
        return;
    const QString name = SqlText(m_ui->Edit1->text());
    const QString warehouse = m_ui->p_department->keyText();

    Action action(DataModule6->ADO_DB);
    if (Tag == 1)
        DataModule6->cmd_all->execute(
            QStringLiteral("insert into cmn_inventory_items.nomenclature(s_caption, id_department)VALUES(") +
            name + QStringLiteral(" ,") + warehouse + QStringLiteral(")"));
    else
        DataModule6->cmd_all->execute(
            QStringLiteral("UPDATE cmn_inventory_items.nomenclature SET s_caption=") + name +
            QStringLiteral(", id_department=") + warehouse + QStringLiteral(" where id=") +
            QString::number(EditId));
    action.commit();
    if (DataModule6->nomenclature->active())
        Catalog::reopenOnId(DataModule6->nomenclature, EditId);
    accept();
}

void TForm29::FormClose()
{
    cb_department->close();
}
