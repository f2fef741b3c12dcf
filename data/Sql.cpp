#include "data/Sql.h"

#include "data/DbError.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cmath>

namespace Sql {

QString text(const QString &value)
{
    QString t = value.trimmed();
    t.remove(QChar(0));
    t.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

QString literal(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toString();
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (!std::isfinite(d))
            throw DbError(QStringLiteral("Недопустимое числовое значение параметра"));
        return QString::number(d, 'g', 15);
    }
    case QMetaType::QDate:
        return QLatin1Char('\'') + value.toDate().toString(Qt::ISODate) + QLatin1Char('\'');
    case QMetaType::QDateTime:
        return QLatin1Char('\'') + value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) +
               QLatin1Char('\'');
    case QMetaType::QTime:
        return QLatin1Char('\'') + value.toTime().toString(QStringLiteral("HH:mm:ss.zzz")) +
               QLatin1Char('\'');
    default: {
        // Texts go in untrimmed: a parameter is a value, not a typed entry.
        QString t = value.toString();
        t.remove(QChar(0));
        t.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + t + QLatin1Char('\'');
    }
    }
}

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Walks the statement and calls onParam(start, length, name) for every :name outside quotes,
// comments and casts.
template <typename F> void scanParameters(const QString &sql, F onParam)
{
    const int n = int(sql.size());
    int i = 0;
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const QChar q = c;
            ++i;
            while (i < n) {
                if (sql[i] == q) {
                    if (i + 1 < n && sql[i + 1] == q) {
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
            ++i;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            while (i < n && sql[i] != QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            const int end = int(sql.indexOf(QLatin1String("*/"), i + 2));
            i = end < 0 ? n : end + 2;
        } else if (c == QLatin1Char(':')) {
            if (i + 1 < n && sql[i + 1] == QLatin1Char(':')) {
                i += 2;
            } else if (i + 1 < n && isNameStart(sql[i + 1])) {
                int j = i + 1;
                while (j < n && isNameChar(sql[j]))
                    ++j;
                onParam(i, j - i, sql.mid(i + 1, j - i - 1));
                i = j;
            } else {
                ++i;
            }
        } else {
            ++i;
        }
    }
}

} // namespace

QStringList parameterNames(const QString &sql)
{
    QStringList names;
    scanParameters(sql, [&](int, int, const QString &name) {
        if (!names.contains(name, Qt::CaseInsensitive))
            names << name;
    });
    return names;
}

QString bind(const QString &sql, const std::function<bool(const QString &, QVariant *)> &values)
{
    QString out;
    out.reserve(sql.size() + 32);
    int copied = 0;
    scanParameters(sql, [&](int start, int length, const QString &name) {
        QVariant v;
        if (!values(name, &v))
            throw DbError(QStringLiteral("Параметр %1 не задан").arg(name));
        out += QStringView(sql).mid(copied, start - copied);
        out += literal(v);
        copied = start + length;
    });
    out += QStringView(sql).mid(copied);
    return out;
}

} // namespace Sql
