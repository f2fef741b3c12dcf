#include "data/Connection.h"

#include "data/DbError.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <libpq-fe.h>

Connection::Connection(const QString &name, QObject *parent) : QObject(parent), m_name(name) {}

Connection::~Connection()
{
    close();
    QSqlDatabase::removeDatabase(m_name);
}

void Connection::setConnectionString(const QString &text)
{
    m_connectionString = text;
}

QMap<QString, QString> Connection::parse(const QString &text)
{
    QMap<QString, QString> fields;
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        const int eq = int(text.indexOf(QLatin1Char('='), i));
        if (eq < 0)
            break;
        const QString key = text.mid(i, eq - i).trimmed().toUpper();
        i = eq + 1;
        QString value;
        while (i < n && text[i] == QLatin1Char(' '))
            ++i;
        if (i < n && (text[i] == QLatin1Char('{') || text[i] == QLatin1Char('"'))) {
            const QChar close = text[i] == QLatin1Char('{') ? QLatin1Char('}') : QLatin1Char('"');
            ++i;
            while (i < n) {
                if (text[i] == close) {
                    if (i + 1 < n && text[i + 1] == close) {
                        value += close;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            while (i < n && text[i] != QLatin1Char(';'))
                ++i;
        } else {
            const int semi = int(text.indexOf(QLatin1Char(';'), i));
            const int end = semi < 0 ? n : semi;
            value = text.mid(i, end - i);
            i = end;
        }
        ++i; // the ";"
        if (!key.isEmpty())
            fields.insert(key, value);
    }
    return fields;
}

QString Connection::quote(const QString &value)
{
    if (value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('{')) ||
        value.contains(QLatin1Char('}')) || value.contains(QLatin1Char('"')) || value.trimmed() != value)
        return QLatin1Char('{') + QString(value).replace(QLatin1Char('}'), QLatin1String("}}")) +
               QLatin1Char('}');
    return value;
}

void Connection::open()
{
    close();
    const QMap<QString, QString> f = parse(m_connectionString);
    const QString server = f.value(QStringLiteral("SERVER"));
    const QString database = f.value(QStringLiteral("DATABASE"));
    const QString user = f.value(QStringLiteral("UID"), f.value(QStringLiteral("USER ID")));
    const QString password = f.value(QStringLiteral("PWD"), f.value(QStringLiteral("PASSWORD")));

    m_native = !server.isEmpty() && !database.isEmpty();
    QSqlDatabase db =
        QSqlDatabase::addDatabase(m_native ? QStringLiteral("QPSQL") : QStringLiteral("QODBC"), m_name);
    if (m_native) {
        // The standard PGPORT, when set, overrides the port of the string (servers on other ports).
        int port = f.value(QStringLiteral("PORT"), QStringLiteral("5432")).toInt();
        if (const QByteArray env = qgetenv("PGPORT"); !env.isEmpty())
            port = env.toInt();
        db.setHostName(server);
        db.setDatabaseName(database);
        db.setPort(port);
        QString sslmode = f.value(QStringLiteral("SSLMODE"));
        if (!sslmode.isEmpty())
            db.setConnectOptions(QStringLiteral("sslmode=") + sslmode);
    } else {
        const QString dsn = f.value(QStringLiteral("DATA SOURCE"), f.value(QStringLiteral("DSN")));
        db.setDatabaseName(quote(dsn));
    }
    // Qt appends these to the driver's string (ODBC) or passes them as libpq fields, so they are
    // braced for ODBC; libpq gets them as they are.
    db.setUserName(m_native ? user : quote(user));
    db.setPassword(m_native ? password : quote(password));
    db.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!db.open()) {
        const QString text = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw DbError(text);
    }
    execute(QStringLiteral("SET DateStyle = 'ISO, DMY'"));
    Q_EMIT connectedChanged(true);
}

void Connection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen()) {
            db.close();
            m_txDepth = 0;
            m_txFailed = false;
            Q_EMIT connectedChanged(false);
        }
    }
    QSqlDatabase::removeDatabase(m_name);
}

bool Connection::connected() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QString Connection::userName() const
{
    if (!connected())
        return {};
    const QMap<QString, QString> f = parse(m_connectionString);
    return f.value(QStringLiteral("UID"), f.value(QStringLiteral("USER ID")));
}

void *Connection::pgconn() const
{
    const QVariant h = QSqlDatabase::database(m_name, false).driver()->handle();
    if (!h.isValid() || (qstrcmp(h.typeName(), "PGconn*") != 0 && qstrcmp(h.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(h.constData());
}

namespace {

FieldKind kindOf(const QSqlField &field)
{
    switch (field.metaType().id()) {
    case QMetaType::Bool:
        return FieldKind::Boolean;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return FieldKind::Integer;
    case QMetaType::Double:
        return FieldKind::Decimal;
    case QMetaType::QDate:
        return FieldKind::Date;
    case QMetaType::QDateTime:
        return FieldKind::DateTime;
    case QMetaType::QTime:
        return FieldKind::Time;
    default:
        return FieldKind::Text;
    }
}

QByteArray canonicalText(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? "t" : "f";
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate).toUtf8();
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toUtf8();
    case QMetaType::Double:
        return QByteArray::number(v.toDouble(), 'g', 17);
    default:
        return v.toString().toUtf8();
    }
}

// The user's reading of the errors a user can cause by ordinary work; the server's own text follows.
QString plainWords(const PGresult *res)
{
    const char *state = PQresultErrorField(res, PG_DIAG_SQLSTATE);
    const QByteArray primary = PQresultErrorField(res, PG_DIAG_MESSAGE_PRIMARY);
    if (!state)
        return {};
    if (qstrcmp(state, "23503") == 0)
        return primary.startsWith("update or delete")
                   ? QStringLiteral("Запись используется в других данных и не может быть удалена или изменена.")
                   : QStringLiteral("Запись ссылается на данные, которых нет в базе.");
    if (qstrcmp(state, "23505") == 0)
        return QStringLiteral("Такая запись уже есть.");
    if (qstrcmp(state, "42501") == 0)
        return QStringLiteral("Недостаточно прав для этого действия.");
    return {};
}

QString serverText(const PGresult *res, const PGconn *conn)
{
    const char *primary = res ? PQresultErrorField(res, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    if (primary) {
        QString text = QString::fromUtf8(primary);
        const QString plain = plainWords(res);
        if (!plain.isEmpty())
            text = plain + QLatin1Char('\n') + text;
        if (const char *detail = PQresultErrorField(res, PG_DIAG_MESSAGE_DETAIL))
            text += QLatin1Char('\n') + QString::fromUtf8(detail);
        return text;
    }
    return QString::fromUtf8(PQerrorMessage(conn)).trimmed();
}

} // namespace

std::unique_ptr<ResultSet> Connection::run(const QString &sql, qint64 *affected)
{
    if (!connected())
        throw DbError(QStringLiteral("Нет подключения к БД"));
    if (PGconn *conn = static_cast<PGconn *>(pgconn())) {
        PGresult *res = PQexec(conn, sql.toUtf8().constData());
        const ExecStatusType status = res ? PQresultStatus(res) : PGRES_FATAL_ERROR;
        if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK && status != PGRES_EMPTY_QUERY) {
            const QString text = serverText(res, conn);
            PQclear(res);
            if (m_txDepth > 0)
                m_txFailed = true;
            throw DbError(text);
        }
        if (affected)
            *affected = QByteArray(PQcmdTuples(res)).toLongLong();
        return makePgResultSet(res);
    }

    QSqlQuery q(QSqlDatabase::database(m_name, false));
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!q.exec(sql)) {
        if (m_txDepth > 0)
            m_txFailed = true;
        throw DbError(q.lastError().databaseText().isEmpty() ? q.lastError().text()
                                                             : q.lastError().databaseText());
    }
    auto rows = std::make_unique<PackedResultSet>();
    if (affected)
        *affected = q.numRowsAffected();
    if (q.isSelect()) {
        const QSqlRecord rec = q.record();
        for (int c = 0; c < rec.count(); ++c)
            rows->addColumn(rec.fieldName(c), kindOf(rec.field(c)));
        while (q.next()) {
            rows->beginRow();
            for (int c = 0; c < rec.count(); ++c) {
                const QVariant v = q.value(c);
                const bool null = v.isNull();
                rows->addCell(null ? QByteArray() : canonicalText(v), null);
            }
        }
    }
    return rows;
}

std::unique_ptr<ResultSet> Connection::query(const QString &sql)
{
    return run(sql, nullptr);
}

qint64 Connection::execute(const QString &sql)
{
    qint64 affected = 0;
    run(sql, &affected);
    return affected;
}

void Connection::begin()
{
    if (m_txDepth == 0) {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (!db.isOpen())
            throw DbError(QStringLiteral("Нет подключения к БД"));
        if (!db.transaction())
            throw DbError(db.lastError().text());
        m_txFailed = false;
    }
    ++m_txDepth;
}

void Connection::commit()
{
    if (m_txDepth == 0)
        return;
    if (--m_txDepth > 0)
        return;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (m_txFailed) {
        db.rollback();
        m_txFailed = false;
        throw DbError(QStringLiteral("Действие отменено: одна из команд не выполнена"));
    }
    if (!db.commit()) {
        const QString text = db.lastError().text();
        db.rollback();
        throw DbError(text);
    }
}

void Connection::rollback()
{
    if (m_txDepth == 0)
        return;
    if (--m_txDepth > 0) {
        // An inner scope failed: the outer one must not commit half an action.
        m_txFailed = true;
        return;
    }
    m_txFailed = false;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (db.isOpen())
        db.rollback();
}
