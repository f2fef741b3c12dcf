#include "catalogs/Unit27.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Sql.h"
#include "data/Unit6.h"
#include "ui_Unit27.h"

TForm27 *Form27 = nullptr;

TForm27::TForm27(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm27>())
{
    m_ui->setupUi(this);
    cb_department = Catalog::departmentTable(this);
    m_ui->p_department->setListSource(cb_department);
    installWheelStepping(this, m_ui->p_department);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm27::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TForm27::~TForm27() = default;

void TForm27::Button1Click()
{
    if (!Catalog::requireFilled(m_ui->Edit1->text()))
        return;
    const QString name = SqlText(m_ui->Edit1->text());
    const QString description = SqlText(m_ui->Edit2->text());
    const QString department = m_ui->p_department->keyText();

    Action action(DataModule6->ADO_DB);
    if (Tag == 1)
        DataModule6->cmd_all->execute(
            QStringLiteral(
                "insert into hrms_staffpos.staffpos(s_caption, s_description, id_department)VALUES(") +
            name + QStringLiteral(" ,") + description + QStringLiteral(", ") + department +
            QStringLiteral(")"));
    else
        DataModule6->cmd_all->execute(QStringLiteral("UPDATE hrms_staffpos.staffpos SET s_caption=") + name +
                                      QStringLiteral(", s_description=") + description +
                                      QStringLiteral(", id_department=") + department +
                                      QStringLiteral(" where id=") + QString::number(EditId));
    action.commit();
    Catalog::reopenOnId(DataModule6->staffpos, EditId);
    accept();
}

void TForm27::FormClose()
{
    cb_department->close();
}
