#include "catalogs/Unit31.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Sql.h"
#include "data/Unit6.h"
#include "ui_Unit31.h"

TForm31 *Form31 = nullptr;

TForm31::TForm31(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm31>())
{
    m_ui->setupUi(this);
    cb_department = Catalog::departmentTable(this);
    m_ui->p_department->setListSource(cb_department);
    installWheelStepping(this, m_ui->p_department);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm31::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->CheckBox1, &QCheckBox::clicked, this, Platform::handler(this, &TForm31::CheckBox1Click));
}

TForm31::~TForm31() = default;

void TForm31::CheckBox1Click(bool checked)
{
    m_ui->type_combo->setCurrentIndex(checked ? 0 : -1);
    m_ui->type_combo->setEnabled(checked);
    m_ui->Label3->setEnabled(checked);
}

void TForm31::Button1Click()
{
    if (!Catalog::requireFilled(m_ui->Edit1->text()))
        return;
    const QString name = SqlText(m_ui->Edit1->text());
    const QString description = SqlText(m_ui->Edit2->text());
    const QString parent = m_ui->p_department->keyText();
    const int kind = m_ui->type_combo->currentIndex();
    const QString kindText = SqlText(kind < 0 ? QString() : m_ui->type_combo->currentText());

    Action action(DataModule6->ADO_DB);
    if (Tag == 1)
        DataModule6->cmd_all->execute(
            QStringLiteral("insert into cmn_department.department(s_caption, s_description, id_parent, type, "
                           "s_type)VALUES(") +
            name + QStringLiteral(" ,") + description + QStringLiteral(", ") + parent + QStringLiteral(", ") +
            QString::number(kind) + QStringLiteral(",") + kindText + QStringLiteral(")"));
    else
        DataModule6->cmd_all->execute(QStringLiteral("UPDATE cmn_department.department SET s_caption=") +
                                      name + QStringLiteral(", s_description=") + description +
                                      QStringLiteral(", id_parent=") + parent + QStringLiteral(", type='") +
                                      QString::number(kind) + QStringLiteral("', s_type=") + kindText +
                                      QStringLiteral(" where id=") + QString::number(EditId));
    action.commit();
    Catalog::reopenOnId(DataModule6->department, EditId);
    accept();
}

void TForm31::FormClose()
{
    cb_department->close();
}
