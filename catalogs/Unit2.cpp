#include "catalogs/Unit2.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Sql.h"
#include "data/Unit6.h"
#include "ui_Unit2.h"

TForm2 *Form2 = nullptr;

namespace {

// The full name goes into a column of this width.
constexpr int FullNameLength = 254;

} // namespace

TForm2::TForm2(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm2>())
{
    m_ui->setupUi(this);
    staffpos = new Dataset(DataModule6->ADO_DB, QStringLiteral("staffpos"),
                           QStringLiteral("select * from hrms_staffpos.staffpos order by s_caption"), this);
    department =
        new Dataset(DataModule6->ADO_DB, QStringLiteral("department"),
                    QStringLiteral("select * from cmn_department.department order by s_caption"), this);
    roles = new Dataset(DataModule6->ADO_DB, QStringLiteral("roles"),
                        QStringLiteral("select id, s_name, s_caption, d_begin, d_end, b_active from "
                                       "adm_role.roles order by s_caption"),
                        this);
    cmd_person = new Command(DataModule6->ADO_DB, QStringLiteral("cmd_person"), this);
    m_ui->LCB_staffpos->setListSource(staffpos);
    m_ui->LCB_department->setListSource(department);
    m_ui->LCB_roles->setListSource(roles);
    installWheelStepping(this, m_ui->LCB_staffpos);
    installWheelStepping(this, m_ui->LCB_department);
    installWheelStepping(this, m_ui->LCB_roles);
    applyConventions();
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm2::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TForm2::~TForm2() = default;

void TForm2::FormActivate()
{
    m_ui->Edit1->setFocus();
}

void TForm2::Button1Click()
{
    const QString surname = m_ui->Edit1->text().trimmed();
    const QString firstName = m_ui->Edit2->text().trimmed();
    const QString patronymic = m_ui->Edit3->text().trimmed();
    for (const QString &text : {surname, firstName, patronymic, m_ui->LCB_staffpos->currentText(),
                                m_ui->LCB_department->currentText(), m_ui->LCB_roles->currentText()})
        if (!Catalog::requireFilled(text))
            return;
    const QString fullName = surname + QLatin1Char(' ') + firstName + QLatin1Char(' ') + patronymic;
    if (fullName.size() > FullNameLength) {
        Platform::showError(
            QStringLiteral("Фамилия, имя и отчество вместе длиннее %1 символов!").arg(FullNameLength));
        return;
    }
    const QString position = m_ui->LCB_staffpos->keyText();
    const QString dep = m_ui->LCB_department->keyText();
    const QString role = m_ui->LCB_roles->keyText();

    Action action(DataModule6->ADO_DB);
    if (Tag == 1)
        cmd_person->execute(
            QStringLiteral("INSERT INTO cmn_contractor.person (s_caption, s_second_name, s_first_name, "
                           "s_third_name, id_staffpos, id_department, id_role)VALUES(") +
            SqlText(fullName) + QStringLiteral(", ") + SqlText(surname) + QStringLiteral(", ") +
            SqlText(firstName) + QStringLiteral(", ") + SqlText(patronymic) + QStringLiteral(", ") +
            position + QStringLiteral(", ") + dep + QStringLiteral(", ") + role + QStringLiteral(")"));
    else
        cmd_person->execute(QStringLiteral("UPDATE cmn_contractor.person SET s_caption=") +
                            SqlText(fullName) + QStringLiteral(", s_second_name=") + SqlText(surname) +
                            QStringLiteral(", s_first_name=") + SqlText(firstName) +
                            QStringLiteral(", s_third_name=") + SqlText(patronymic) +
                            QStringLiteral(", id_staffpos=") + position + QStringLiteral(", id_department=") +
                            dep + QStringLiteral(", id_role=") + role +
                            QStringLiteral(" where cmn_contractor.person.id=") + QString::number(EditId));
    action.commit();
    Catalog::reopenOnId(DataModule6->workers, EditId);
    accept();
}

void TForm2::FormClose()
{
    staffpos->close();
    department->close();
    roles->close();
}
