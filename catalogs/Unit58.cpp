#include "catalogs/Unit58.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Sql.h"
#include "data/Unit6.h"
#include "ui_Unit58.h"

TForm58 *Form58 = nullptr;

TForm58::TForm58(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm58>())
{
    m_ui->setupUi(this);
    applyConventions();
    connect(m_ui->Button5, &QPushButton::clicked, this, Platform::handler(this, &TForm58::Button5Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, &QDialog::reject);
}

TForm58::~TForm58() = default;

void TForm58::Button5Click()
{
    if (!Catalog::requireFilled(m_ui->Edit1->text()) || !Catalog::requireFilled(m_ui->Edit2->text()))
        return;
    const QString systemName = SqlText(m_ui->Edit1->text());
    const QString caption = SqlText(m_ui->Edit2->text());
    const bool active = m_ui->CheckBox1->isChecked();
    const QString a = active ? QStringLiteral("1") : QStringLiteral("0");

    Action action(DataModule6->ADO_DB);
    if (Tag == 0)
        DataModule6->cmd_all->execute(
            QStringLiteral("INSERT INTO adm_role.roles(s_name, s_caption, d_begin, b_active)VALUES(") +
            systemName + QStringLiteral(", ") + caption + QStringLiteral(", now()::t_date, ") + a +
            QStringLiteral("::t_boolean)"));
    else
        // Saving as active restarts the activation date; saving as inactive stamps the deactivation.
        DataModule6->cmd_all->execute(QStringLiteral("UPDATE adm_role.roles SET s_caption=") + caption +
                                      QStringLiteral(", s_name= ") + systemName +
                                      QStringLiteral(", b_active= ") + a + QStringLiteral("::t_boolean, ") +
                                      (active ? QStringLiteral("d_begin=now()::t_date, d_end=NULL")
                                              : QStringLiteral("d_end=now()::t_date")) +
                                      QStringLiteral(" where id=") + QString::number(EditId));
    action.commit();
    accept();
}
