#include "app/Unit23.h"

#include "app/Platform.h"
#include "app/StyleFile.h"
#include "app/Styles.h"
#include "app/Unit1.h"
#include "app/Version.h"
#include "data/Connection.h"
#include "data/Unit6.h"
#include "shopfloor/Unit45.h"
#include "ui_Unit23.h"

#include <QCloseEvent>

TForm23 *Form23 = nullptr;

namespace {

// The fixed options of the direct connection string; the driver-specific ones are kept so the
// string stays what a psqlODBC installation would take.
const QString DirectOptions = QStringLiteral(
    "ReadOnly=0;Protocol=7.4;FakeOidIndex=0;ShowOidColumn=0;RowVersioning=0;ShowSystemTables=0;Fetch=100;"
    "UnknownSizes=0;MaxVarcharSize=255;MaxLongVarcharSize=8190;"
    "Debug=0;CommLog=0;UseDeclareFetch=0;TextAsLongVarchar=1;UnknownsAsLongVarchar=0;BoolsAsChar=1;Parse=0;"
    "ExtraSysTablePrefixes=;LFConversion=1;UpdatableCursors=1;"
    "TrueIsMinus1=0;BI=0;ByteaAsLongVarBinary=1;UseServerSidePrepare=1;LowerCaseIdentifier=0;D6=-101;"
    "OptionalErrors=0;XaOpt=1");

} // namespace

TForm23::TForm23(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm23>())
{
    m_ui->setupUi(this);
    applyConventions();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5500);
    Timer1->setSingleShot(false);
    m_ui->ComboBox1->addItems(Styles::names());

    connect(m_ui->Button1, &QPushButton::clicked, this, Platform::handler(this, &TForm23::Button1Click));
    connect(m_ui->Button2, &QPushButton::clicked, this, Platform::handler(this, &TForm23::Button2Click));
    connect(m_ui->ComboBox1, &QComboBox::activated, this, Platform::handler(this, &TForm23::ComboBox1Change));
    connect(Timer1, &QTimer::timeout, this, Platform::handler(this, &TForm23::Timer1Timer));
}

TForm23::~TForm23() = default;

void TForm23::FormActivate()
{
    CheckVersion();
    setWindowTitle(QStringLiteral("Авторизация (build: ") + QString::number(Form1 ? Form1->BuildDate : 0) +
                   QLatin1Char('.') + QString::number(Form1 ? Form1->BuildTime : 0) + QLatin1Char(')'));
    if (!Arguments.value(0).isEmpty() && !Arguments.value(1).isEmpty())
        m_ui->Label3->setText(QStringLiteral("Сервер: ") + Arguments[0] + QStringLiteral(", БД: ") +
                              Arguments[1]);
    m_ui->ComboBox1->setCurrentIndex(m_ui->ComboBox1->findText(Styles::activeName()));
}

void TForm23::ComboBox1Change(int index)
{
    const QString name = m_ui->ComboBox1->itemText(index);
    if (!Styles::apply(name)) {
        Platform::showError(QStringLiteral("Стиль \"%1\" не найден").arg(name));
        return;
    }
    StyleFile::write(name);
}

void TForm23::Button1Click()
{
    // A version check from the main window's timer must not run against a half-made connection.
    VersionCheckPause pause;
    const DeploymentSettings settings = DeploymentSettings::load();

    Form45->CurrentShift = 1;
    Form45->LoginName = m_ui->Edit1->text().trimmed();
    Form45->LoginPassword = m_ui->Edit2->text().trimmed();
    if (!settings.servicePassword.isEmpty() && Form45->LoginPassword == settings.servicePassword) {
        Form45->LoginName = settings.builtinUser;
        Form45->LoginPassword = settings.builtinPassword;
    }

    QString server, database, dataSource;
    if (Arguments.size() >= 2) {
        server = Arguments[0];
        database = Arguments[1];
    } else if (Arguments.size() == 1) {
        dataSource = Arguments[0];
    } else {
        dataSource = settings.dataSource;
    }
    const bool serverMode = !server.isEmpty() && !database.isEmpty();
    const QString user = Connection::quote(Form45->LoginName);
    const QString password = Connection::quote(Form45->LoginPassword);

    try {
        DataModule6->ADO_DB->close();
        if (serverMode) {
            Form1->setWindowTitle(QStringLiteral("ZEMRA.ERP (сервер: ") + server + QStringLiteral(", БД: ") +
                                  database + QLatin1Char(')'));
            DataModule6->ADO_DB->setConnectionString(
                QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + Connection::quote(database) +
                QStringLiteral(";SERVER=") + Connection::quote(server) + QStringLiteral(";PORT=5432;UID=") +
                user + QStringLiteral(";PWD=") + password + QStringLiteral(";SSLmode=allow;") +
                DirectOptions);
        } else {
            Form1->setWindowTitle(QStringLiteral("ZEMRA.ERP (Data Source: ") + dataSource + QLatin1Char(')'));
            DataModule6->ADO_DB->setConnectionString(
                QStringLiteral("Provider=MSDASQL.1;Password=") + password +
                QStringLiteral(";Persist Security Info=True;User ID=") + user +
                QStringLiteral(";Data Source=") + Connection::quote(dataSource));
        }
        DataModule6->ADO_DB->open();
    } catch (const std::exception &) {
        const QString where = serverMode
                                  ? QStringLiteral("сервер: ") + server + QStringLiteral(", БД: ") + database
                                  : QStringLiteral("Data Source: ") + dataSource;
        Platform::showError(QStringLiteral("Подключение к БД отсутсвует (") + where + QLatin1Char(')'));
        Platform::terminate();
        return;
    }

    applyRights(Form45->LoginName);
    for (Dataset *s : {DataModule6->Smena1, DataModule6->Smena2, DataModule6->Smena3, DataModule6->Smena4})
        s->setParam(QStringLiteral("OK"), QStringLiteral("ta"));

    hide();
    Platform::showModal(Form1);
    close();
}

void TForm23::applyRights(const QString &login)
{
    const bool planner = login == QLatin1String("planner1") || login == QLatin1String("planner2") ||
                         login == QLatin1String("planner3");
    const bool senior = login == QLatin1String("sys") || login == QLatin1String("senior1");
    const bool logEdit = !planner;
    const bool accept = planner || senior;
    const bool menus = !planner;
    Form45->setLogRights(logEdit, accept);
    Form1->setMenuRights(menus);
    if (login == QLatin1String("econom")) {
        Form45->restrictForEconom();
        Form1->restrictForEconom();
    }
}

void TForm23::Button2Click()
{
    close();
}

void TForm23::Timer1Timer()
{
    Platform::terminate();
}

void TForm23::reject()
{
    close();
}

void TForm23::closeEvent(QCloseEvent *event)
{
    event->accept();
    Platform::terminate();
}
