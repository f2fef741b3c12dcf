#include "technology/Unit10.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Unit6.h"
#include "technology/Choosers.h"
#include "technology/Unit33.h"
#include "ui_Unit10.h"

#include <QRegularExpressionValidator>

TForm10 *Form10 = nullptr;

TForm10::TForm10(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm10>())
{
    m_ui->setupUi(this);
    operation_state =
        new Dataset(DataModule6->ADO_DB, QStringLiteral("operation_state"),
                    QStringLiteral("select * from mnf_operation.operation_state order by id"), this);
    operation_state->setFilter(QStringLiteral("id<2"));
    operation_state->setFiltered(true);
    max_num = new Dataset(
        DataModule6->ADO_DB, QStringLiteral("max_num"),
        QStringLiteral("select (case when max(o.orderby) is null then 0 else max(o.orderby) end) +1 "
                       "as orderby from mnf_operation.operation o  where o.id_proc_tech=:id_pt"),
        this);
    m_ui->cb_operation_state->setListSource(operation_state);
    m_ui->Edit1->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), this));
    installWheelStepping(this, m_ui->cb_operation_state);
    applyConventions();
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm10::Button1Click));
    connect(m_ui->Button4, &QPushButton::clicked, this, Platform::handler(this, &TForm10::Button4Click));
    connect(m_ui->Button5, &QPushButton::clicked, this, &QDialog::reject);
}

TForm10::~TForm10() = default;

void TForm10::FormActivate()
{
    m_ui->Button3->setFocus();
}

void TForm10::Button4Click()
{
    Choosers::chooseOperationType();
}

void TForm10::Button1Click()
{
    const QString number = m_ui->Edit1->text().trimmed();
    if (!Catalog::requireFilled(number))
        return;
    // An operation needs its type and its result kind: the shift records and the reports read both.
    const QVariant kind = m_ui->cb_operation_state->keyValue();
    if (TypeId == 0 || !kind.isValid()) {
        Platform::showError(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    const QString price = Catalog::numberField(m_ui->Edit3, QStringLiteral("Цена"));
    const QString state = m_ui->cb_operation_state->keyText();
    const QString item = QString::number(Form33->ItemId), process = QString::number(Form33->ProcId);

    Action action(DataModule6->ADO_DB);
    if (Tag == 1)
        DataModule6->cmd_all->execute(
            QStringLiteral(
                "INSERT INTO mnf_operation.operation(id_type, id_state, price, id_inventory_items, "
                "id_proc_tech, orderby)VALUES(") +
            QString::number(TypeId) + QStringLiteral(",") + state + QStringLiteral(" ,") + price +
            QStringLiteral(", ") + item + QStringLiteral(", ") + process + QStringLiteral(", ") +
            QString::number(number.toInt()) + QStringLiteral(")"));
    else
        DataModule6->cmd_all->execute(
            QStringLiteral("UPDATE mnf_operation.operation SET id_type=") + QString::number(TypeId) +
            QStringLiteral(", id_state=") + state + QStringLiteral(", price=") + price +
            QStringLiteral(", id_inventory_items=") + item + QStringLiteral(", orderby=") +
            QString::number(number.toInt()) + QStringLiteral(" WHERE id=") + QString::number(EditId));
    action.commit();
    DataModule6->operation->close();
    DataModule6->operation->open();
    accept();
}
