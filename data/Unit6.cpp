#include "data/Unit6.h"

#include "data/DbError.h"
#include "data/Numbers.h"
#include "data/SharedSql.h"

#include <QSettings>
#include <QStandardPaths>

TDataModule6 *DataModule6 = nullptr;

Command::Command(Connection *connection, const QString &name, QObject *parent)
    : QObject(parent), m_connection(connection)
{
    setObjectName(name);
}

qint64 Command::execute()
{
    return m_connection->execute(m_text);
}

qint64 Command::execute(const QString &text)
{
    m_text = text;
    return execute();
}

DeploymentSettings DeploymentSettings::load()
{
    // ~/.config/zemra-erp/zemra-erp.conf (or $XDG_CONFIG_HOME): keys of the [connection] group.
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zemra-erp"),
                QStringLiteral("zemra-erp"));
    s.beginGroup(QStringLiteral("connection"));
    DeploymentSettings d;
    d.dataSource = s.value(QStringLiteral("data_source"), QStringLiteral("zemra_erp_dev")).toString();
    d.builtinUser = s.value(QStringLiteral("builtin_user"), QStringLiteral("sys")).toString();
    d.builtinPassword = s.value(QStringLiteral("builtin_password"), QStringLiteral("vexmolb")).toString();
    d.servicePassword = s.value(QStringLiteral("service_password"), QStringLiteral("8093")).toString();
    return d;
}

TDataModule6::TDataModule6(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DataModule6"));
    ADO_DB = new Connection(QStringLiteral("ADO_DB"), this);
    ADO_DB->setObjectName(QStringLiteral("ADO_DB"));

    auto ds = [this](const char *name, const QString &sql = QString()) {
        return new Dataset(ADO_DB, QString::fromLatin1(name), sql, this);
    };
    Control = ds("Control");
    cmd_all = new Command(ADO_DB, QStringLiteral("cmd_all"), this);
    DelSmena = new Command(ADO_DB, QStringLiteral("DelSmena"), this);
    H_Tabel_ins = new Command(ADO_DB, QStringLiteral("H_Tabel_ins"), this);

    ver = ds("ver", QStringLiteral("select * from ver"));

    Smena1 = ds("Smena1", SharedSql::SmenaTemplate.arg(1));
    Smena2 = ds("Smena2", SharedSql::SmenaTemplate.arg(2));
    Smena3 = ds("Smena3", SharedSql::SmenaTemplate.arg(3));
    Smena4 = ds("Smena4", SharedSql::SmenaTemplate.arg(4));
    for (Dataset *s : {Smena2, Smena3, Smena4})
        s->setParam(QStringLiteral("ok"), QStringLiteral("ta"));
    H_Tabel_1 = ds("H_Tabel_1", SharedSql::HTabelTemplate.arg(1));
    H_Tabel_2 = ds("H_Tabel_2", SharedSql::HTabelTemplate.arg(2));
    H_Tabel_3 = ds("H_Tabel_3", SharedSql::HTabelTemplate.arg(3));

    workers = ds("workers", SharedSql::workers);
    department = ds("department", SharedSql::department);
    staffpos = ds("staffpos", SharedSql::staffpos);
    role = ds("role", SharedSql::role);
    jur_person = ds("jur_person", SharedSql::jur_person);
    nomenclature = ds("nomenclature", SharedSql::nomenclature);
    inventory_items = ds("inventory_items", SharedSql::inventory_items);
    msm = ds("msm", QStringLiteral("select * from cmn_msm.msm"));
    operation_type = ds("operation_type", SharedSql::operation_type);
    operation = ds("operation", SharedSql::operation);
    proc_tech = ds("proc_tech", SharedSql::proc_tech);

    stock = ds("stock", SharedSql::stock);
    stock_in = ds("stock_in", SharedSql::stock_in);
    app_doc = ds("app_doc", SharedSql::app_doc);
    app_spec = ds("app_spec", SharedSql::app_spec);
    app_spec->setFilter(QStringLiteral("cnt_done>0"));
    spec_out = ds("spec_out", SharedSql::spec_out);
}

TDataModule6::~TDataModule6()
{
    if (DataModule6 == this)
        DataModule6 = nullptr;
}

QString TDataModule6::designTimeConnectionString() const
{
    const DeploymentSettings d = DeploymentSettings::load();
    return QStringLiteral("Provider=MSDASQL.1;Password=") + Connection::quote(d.builtinPassword) +
           QStringLiteral(";Persist Security Info=True;User ID=") + Connection::quote(d.builtinUser) +
           QStringLiteral(";Data Source=") + Connection::quote(d.dataSource);
}

void TDataModule6::connectDesignTime()
{
    ADO_DB->setConnectionString(designTimeConnectionString());
    ADO_DB->open();
}

QString TDataModule6::delimiter() const
{
    return DbDelimiter.isEmpty() ? QStringLiteral(".") : DbDelimiter;
}

QString TDataModule6::SqlNumber(const QString &text) const
{
    return Numbers::sqlNumber(text, delimiter());
}

QList<Dataset *> TDataModule6::datasets() const
{
    return {Control,         ver,       Smena1,         Smena2,     Smena3,
            Smena4,          H_Tabel_1, H_Tabel_2,      H_Tabel_3,  workers,
            department,      staffpos,  role,           jur_person, nomenclature,
            inventory_items, msm,       operation_type, operation,  proc_tech,
            stock,           stock_in,  app_doc,        app_spec,   spec_out};
}
