#include "catalogs/Unit9.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Sql.h"
#include "data/Unit6.h"
#include "ui_Unit9.h"

TForm9 *Form9 = nullptr;

TForm9::TForm9(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm9>())
{
    m_ui->setupUi(this);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm9::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TForm9::~TForm9() = default;

void TForm9::FormActivate()
{
    m_ui->Edit1->setFocus();
}

void TForm9::Button1Click()
{
    if (!Catalog::requireFilled(m_ui->Edit1->text()))
        return;
    const QString name = SqlText(m_ui->Edit1->text());
    const QString description = SqlText(m_ui->Edit2->text());

    Action action(DataModule6->ADO_DB);
    if (Tag == 1)
        DataModule6->cmd_all->execute(
            QStringLiteral("insert into mnf_operation.operation_type(s_caption, s_description)VALUES(") +
            name + QStringLiteral(" ,") + description + QStringLiteral(")"));
    else
        DataModule6->cmd_all->execute(QStringLiteral("UPDATE mnf_operation.operation_type SET s_caption=") +
                                      name + QStringLiteral(", s_description=") + description +
                                      QStringLiteral(" where id=") + QString::number(EditId));
    action.commit();
    Catalog::reopenOnId(DataModule6->operation_type, EditId);
    accept();
}
