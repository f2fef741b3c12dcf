#include "requests/Unit43.h"

#include "app/Catalog.h"
#include "app/Platform.h"
#include "catalogs/Unit34.h"
#include "catalogs/Unit5.h"
#include "data/Action.h"
#include "data/Unit6.h"
#include "ui_Unit43.h"

#include <QMouseEvent>

TForm43 *Form43 = nullptr;

TForm43::TForm43(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm43>())
{
    m_ui->setupUi(this);
    // currval: the key this session's insert got, never another workstation's.
    new_id = new Dataset(
        DataModule6->ADO_DB, QStringLiteral("new_id"),
        QStringLiteral("select currval(pg_get_serial_sequence('mnf_app.app_doc', 'id')) as id"), this);
    applyConventions();
    // The read-only boxes choose on a click, as their "..." buttons do.
    m_ui->Edit1->installEventFilter(this);
    m_ui->Edit2->installEventFilter(this);
    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm43::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->Button3, &QPushButton::clicked, this, Platform::handler(this, &TForm43::Button3Click));
    connect(m_ui->Button5, &QPushButton::clicked, this, Platform::handler(this, &TForm43::Button5Click));
}

TForm43::~TForm43() = default;

bool TForm43::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_ui->Edit1)
            Platform::guard([this] { Button3Click(); });
        else if (watched == m_ui->Edit2)
            Platform::guard([this] { Button5Click(); });
    }
    return TFormBase::eventFilter(watched, event);
}

void TForm43::Button3Click()
{
    Form34->ChooseTargets.set(43, [](Dataset *row) {
        const int id = row->field(QStringLiteral("id")).asInt();
        if (id != Form43->JurPersonId)
            Form43->JurPersonId = id;
        if (Form43->JurPersonId != 0)
            Form43->ui()->Edit1->setText(row->field(QStringLiteral("s_full_caption")).asString().trimmed());
    });
    DataModule6->jur_person->open();
    Form34->ChooseLayout(43);
    Platform::showModal(Form34);
    DataModule6->jur_person->close();
    Form34->KeepingLayout();
    Form34->Tag = 0;
}

void TForm43::Button5Click()
{
    Form5->ChooseTargets.set(43, [](Dataset *row) {
        const int id = row->field(QStringLiteral("id")).asInt();
        if (id != Form43->PersonId)
            Form43->PersonId = id;
        if (Form43->PersonId != 0)
            Form43->ui()->Edit2->setText(row->field(QStringLiteral("s_caption")).asString().trimmed());
    });
    DataModule6->workers->open();
    Form5->ChooseLayout(43);
    Platform::showModal(Form5);
    DataModule6->workers->close();
    Form5->KeepingLayout();
    Form5->Tag = 0;
}

void TForm43::Button1Click()
{
    if (JurPersonId == 0 || PersonId == 0) {
        Platform::showError(QStringLiteral("Все поля должны быть заполнены!"));
        return;
    }
    // The server reads dates day first.
    const QString mnf = m_ui->DateTimePicker1->date().toString(QStringLiteral("dd.MM.yyyy"));
    const QString out = m_ui->DateTimePicker2->date().toString(QStringLiteral("dd.MM.yyyy"));
    int id = EditId;
    Action action(DataModule6->ADO_DB);
    if (Tag == 1) {
        DataModule6->cmd_all->execute(
            QStringLiteral("INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out)VALUES(") +
            QString::number(JurPersonId) + QStringLiteral(", ") + QString::number(PersonId) +
            QStringLiteral(", '") + mnf + QStringLiteral("', '") + out + QStringLiteral("')"));
        new_id->open();
        id = new_id->field(QStringLiteral("id")).asInt();
        new_id->close();
    } else {
        DataModule6->cmd_all->execute(
            QStringLiteral("UPDATE mnf_app.app_doc SET id_jur_person=") + QString::number(JurPersonId) +
            QStringLiteral(", id_person=") + QString::number(PersonId) + QStringLiteral(", d_mnf='") + mnf +
            QStringLiteral("', d_out='") + out + QStringLiteral("' where id=") + QString::number(EditId));
    }
    action.commit();
    if (DataModule6->app_doc->active())
        Catalog::reopenOnId(DataModule6->app_doc, id);
    accept();
}
