#include "catalogs/Unit14.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "data/Action.h"
#include "data/Sql.h"
#include "data/Unit6.h"
#include "ui_Unit14.h"

TForm14 *Form14 = nullptr;

TForm14::TForm14(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm14>())
{
    m_ui->setupUi(this);
    applyConventions();
    connect(m_ui->Button5, &QPushButton::clicked, this, Platform::handler(this, &TForm14::Button5Click));
    connect(m_ui->Button6, &QPushButton::clicked, this, &QDialog::reject);
}

TForm14::~TForm14() = default;

void TForm14::Button5Click()
{
    if (!Catalog::requireFilled(m_ui->Edit1->text()))
        return;
    const QString shortName = SqlText(m_ui->Edit2->text());
    const QString fullName = SqlText(m_ui->Edit1->text());
    const QString ogrn = SqlText(m_ui->Edit4->text());
    const QString inn = SqlText(m_ui->Edit3->text());

    Action action(DataModule6->ADO_DB);
    if (Tag == 1)
        DataModule6->cmd_all->execute(
            QStringLiteral(
                "INSERT INTO cmn_contractor.jur_person(s_caption, s_full_caption, s_ogrn, s_inn)VALUES(") +
            shortName + QStringLiteral(",") + fullName + QStringLiteral(" ,") + ogrn + QStringLiteral(", ") +
            inn + QStringLiteral(")"));
    else
        DataModule6->cmd_all->execute(QStringLiteral("UPDATE cmn_contractor.jur_person  SET s_caption=") +
                                      shortName + QStringLiteral(", s_full_caption=") + fullName +
                                      QStringLiteral(", s_ogrn=") + ogrn + QStringLiteral(", s_inn=") + inn +
                                      QStringLiteral(" WHERE id=") + QString::number(EditId));
    action.commit();
    Catalog::reopenOnId(DataModule6->jur_person, EditId);
    accept();
}
