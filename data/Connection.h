#pragma once

#include "data/ResultSet.h"

#include <QMap>
#include <QObject>
#include <QSqlDatabase>
#include <memory>

// The program's one database connection (the data module's ADO_DB). It takes the connection
// strings the login composes:
//   "Provider=MSDASQL.1;Password=...;User ID=...;Data Source=<ODBC data source>"  -> unixODBC (QODBC)
//   "DRIVER={PostgreSQL UNICODE};DATABASE=...;SERVER=...;PORT=...;UID=...;PWD=...;SSLmode=allow;..."
//                                                                            -> libpq (QPSQL)
// Values may be enclosed in braces ("{a;b}", "}}" for a brace), so any character can be passed.
// User name and password are handed to the driver separately, never spliced into its own string.
class Connection final : public QObject
{
    Q_OBJECT
public:
    explicit Connection(const QString &name, QObject *parent = nullptr);
    ~Connection() override;

    QString connectionString() const { return m_connectionString; }
    void setConnectionString(const QString &text);

    // The connection string's fields, keys upper-cased ("DATA SOURCE", "UID", "PWD", ...).
    static QMap<QString, QString> parse(const QString &text);
    // A value as it may stand in a connection string: braced when it holds ; { } or blanks at its ends.
    static QString quote(const QString &value);

    void open();
    void close();
    bool connected() const;
    bool native() const { return m_native; }
    QString userName() const;

    // Runs one composed text (it may hold several statements); returns the rows of the last one.
    std::unique_ptr<ResultSet> query(const QString &sql);
    // Runs statements that return no rows; returns the number of rows affected by the last one.
    qint64 execute(const QString &sql);

    // Transactions nest: only the outermost begin/commit reaches the server.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_txDepth > 0; }

Q_SIGNALS:
    void connectedChanged(bool connected);

private:
    void *pgconn() const;
    std::unique_ptr<ResultSet> run(const QString &sql, qint64 *affected);

    QString m_name;
    QString m_connectionString;
    bool m_native = false;
    int m_txDepth = 0;
    bool m_txFailed = false;
};
