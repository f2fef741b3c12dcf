#pragma once

#include "data/Connection.h"
#include "data/Dataset.h"

#include <QObject>
#include <QString>

// A statement holder: users set its text to one composed statement and execute it.
class Command final : public QObject
{
    Q_OBJECT
public:
    Command(Connection *connection, const QString &name, QObject *parent = nullptr);

    QString commandText() const { return m_text; }
    void setCommandText(const QString &text) { m_text = text; }
    // Runs the text; returns the rows affected. A server error raises DbError.
    qint64 execute();
    // Sets the text and runs it.
    qint64 execute(const QString &text);

private:
    Connection *m_connection;
    QString m_text;
};

// The built-in account and the design-time data source: deployment settings read from the
// client's configuration file (see the README), with the stock values as defaults.
struct DeploymentSettings
{
    QString dataSource;      // "zemra_erp_dev"
    QString builtinUser;     // "sys"
    QString builtinPassword; // "vexmolb"
    QString servicePassword; // "8093"; empty switches the shortcut off
    static DeploymentSettings load();
};

// The shared data module: the one connection, the datasets and commands several windows share,
// the database's decimal delimiter and SqlNumber.
class TDataModule6 final : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule6(QObject *parent = nullptr);
    ~TDataModule6() override;

    // Opens ADO_DB with the design-time connection string (built-in account, data source).
    void connectDesignTime();
    QString designTimeConnectionString() const;

    // The number text in SQL form with DbDelimiter (empty or missing delim counts as ".").
    QString SqlNumber(const QString &text) const;
    // The delimiter SqlNumber uses.
    QString delimiter() const;

    Connection *ADO_DB;
    QString DbDelimiter;

    // Statement holders.
    Dataset *Control;
    Command *cmd_all;
    Command *DelSmena;
    Command *H_Tabel_ins;

    Dataset *ver;

    Dataset *Smena1, *Smena2, *Smena3, *Smena4;
    Dataset *H_Tabel_1, *H_Tabel_2, *H_Tabel_3;

    Dataset *workers;
    Dataset *department;
    Dataset *staffpos;
    Dataset *role;
    Dataset *jur_person;
    Dataset *nomenclature;
    Dataset *inventory_items;
    Dataset *msm;
    Dataset *operation_type;
    Dataset *operation;
    Dataset *proc_tech;

    Dataset *stock;
    Dataset *stock_in;
    Dataset *app_doc;
    Dataset *app_spec;
    Dataset *spec_out;

    // Every shared dataset, in declaration order.
    QList<Dataset *> datasets() const;
};

extern TDataModule6 *DataModule6;

// The short spelling handlers use: SqlNumber(Edit3->text()).
inline QString SqlNumber(const QString &text)
{
    return DataModule6->SqlNumber(text);
}
