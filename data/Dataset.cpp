#include "data/Dataset.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Sql.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

bool rawBool(QByteArrayView v)
{
    return v == "t" || v == "1" || v == "true" || v == "TRUE" || v == "True" || v == "-1" || v == "T";
}

QString decimalComma(QByteArrayView raw)
{
    QString s = QString::fromLatin1(raw.data(), raw.size());
    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    if (dot >= 0 && !s.contains(QLatin1Char('e')) && !s.contains(QLatin1Char('E'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
        s.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

QDateTime rawDateTime(QByteArrayView raw)
{
    QString s = QString::fromLatin1(raw.data(), raw.size());
    // Server form "2026-12-11 13:05:00[.123456][+03]": drop the zone, keep milliseconds.
    const qsizetype plus = s.indexOf(QLatin1Char('+'), 10);
    if (plus > 0)
        s.truncate(plus);
    if (s.size() > 23)
        s.truncate(23);
    QDateTime dt = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(s.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return dt;
}

} // namespace

QString displayTextOf(FieldKind kind, QByteArrayView raw, bool null)
{
    if (null)
        return QString();
    switch (kind) {
    case FieldKind::Decimal:
    case FieldKind::Float:
        return decimalComma(raw);
    case FieldKind::Boolean:
        return rawBool(raw) ? QStringLiteral("True") : QStringLiteral("False");
    case FieldKind::Date:
        return QDate::fromString(QString::fromLatin1(raw.data(), raw.size()), Qt::ISODate)
            .toString(QStringLiteral("dd.MM.yyyy"));
    case FieldKind::DateTime: {
        const QDateTime dt = rawDateTime(raw);
        return dt.time() == QTime(0, 0) ? dt.toString(QStringLiteral("dd.MM.yyyy"))
                                        : dt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    }
    case FieldKind::Integer:
    case FieldKind::Time:
    case FieldKind::Text:
        break;
    }
    return QString::fromUtf8(raw.data(), raw.size());
}

// ---- Field

QString Field::name() const
{
    return m_ds->fieldName(m_col);
}

FieldKind Field::kind() const
{
    return m_ds->fieldKind(m_col);
}

QByteArrayView Field::raw() const
{
    return m_ds->m_rows->raw(m_ds->currentRow(), m_col);
}

bool Field::isNull() const
{
    return m_ds->m_rows->isNull(m_ds->currentRow(), m_col);
}

QString Field::asString() const
{
    return displayTextOf(kind(), raw(), isNull());
}

qint64 Field::asInteger() const
{
    if (isNull())
        return 0;
    const QByteArrayView r = raw();
    if (kind() == FieldKind::Boolean)
        return rawBool(r) ? 1 : 0;
    bool ok = false;
    const qint64 v = QByteArray(r.data(), r.size()).toLongLong(&ok);
    if (ok)
        return v;
    const double d = QByteArray(r.data(), r.size()).toDouble(&ok);
    if (!ok)
        throw DbError(QStringLiteral("Значение поля %1 не является числом").arg(name()));
    return qint64(std::llround(d));
}

double Field::asFloat() const
{
    if (isNull())
        return 0;
    const QByteArrayView r = raw();
    if (kind() == FieldKind::Boolean)
        return rawBool(r) ? 1 : 0;
    bool ok = false;
    QByteArray b(r.data(), r.size());
    b.replace(',', '.');
    const double v = b.toDouble(&ok);
    if (!ok)
        throw DbError(QStringLiteral("Значение поля %1 не является числом").arg(name()));
    return v;
}

QString Field::asDecimal() const
{
    if (isNull())
        return QStringLiteral("0");
    const QByteArrayView r = raw();
    return QString::fromLatin1(r.data(), r.size());
}

bool Field::asBoolean() const
{
    return !isNull() && rawBool(raw());
}

QDate Field::asDate() const
{
    if (isNull())
        return {};
    const QByteArrayView r = raw();
    return QDate::fromString(QString::fromLatin1(r.data(), std::min<qsizetype>(r.size(), 10)), Qt::ISODate);
}

QDateTime Field::asDateTime() const
{
    if (isNull())
        return {};
    if (kind() == FieldKind::Date)
        return QDateTime(asDate(), QTime(0, 0));
    return rawDateTime(raw());
}

QVariant Field::value() const
{
    if (isNull())
        return QVariant();
    switch (kind()) {
    case FieldKind::Integer:
        return asInteger();
    case FieldKind::Float:
        return asFloat();
    case FieldKind::Boolean:
        return asBoolean();
    case FieldKind::Date:
        return asDate();
    case FieldKind::DateTime:
        return asDateTime();
    case FieldKind::Decimal:
        return asDecimal();
    case FieldKind::Time:
    case FieldKind::Text:
        break;
    }
    const QByteArrayView r = raw();
    return QString::fromUtf8(r.data(), r.size());
}

// ---- Dataset

Dataset::Dataset(Connection *connection, const QString &name, const QString &sql, QObject *parent)
    : QObject(parent), m_connection(connection)
{
    setObjectName(name);
    setSql(sql);
}

Dataset::~Dataset() = default;

void Dataset::setSql(const QString &sql)
{
    m_sql = sql;
    m_paramNames = Sql::parameterNames(sql);
}

void Dataset::addSql(const QString &line)
{
    setSql(m_sql.isEmpty() ? line : m_sql + QLatin1Char('\n') + line);
}

void Dataset::setParam(const QString &name, const QVariant &value)
{
    m_params.insert(name.toLower(), value);
}

QVariant Dataset::param(const QString &name) const
{
    return m_params.value(name.toLower());
}

void Dataset::open()
{
    if (active())
        return;
    const QString text = Sql::bind(m_sql, [this](const QString &name, QVariant *v) {
        const auto it = m_params.constFind(name.toLower());
        if (it == m_params.constEnd())
            return false;
        *v = *it;
        return true;
    });
    std::unique_ptr<ResultSet> rows = m_connection->query(text);
    m_names.clear();
    m_index.clear();
    for (int c = 0; c < rows->columnCount(); ++c) {
        QString n = rows->columnName(c);
        if (m_index.contains(n.toLower())) {
            // A second "id" becomes "id_1", as the designers' datasets named it.
            for (int k = 1;; ++k) {
                const QString candidate = n + QLatin1Char('_') + QString::number(k);
                if (!m_index.contains(candidate.toLower())) {
                    n = candidate;
                    break;
                }
            }
        }
        m_names.push_back(n);
        m_index.insert(n.toLower(), c);
    }
    m_rows = std::move(rows);
    try {
        rebuildView();
    } catch (...) {
        m_rows.reset();
        m_view.clear();
        throw;
    }
    Q_EMIT reset();
    Q_EMIT currentChanged(recNo());
}

void Dataset::close()
{
    if (!active())
        return;
    m_rows.reset();
    m_view.clear();
    m_cur = 0;
    m_atBof = true;
    Q_EMIT reset();
    Q_EMIT currentChanged(0);
}

void Dataset::refresh(const QString &keyField)
{
    const int no = recNo();
    QVariant key;
    if (active() && !eof() && hasField(keyField))
        key = field(keyField).value();
    close();
    open();
    if (key.isValid() && locate(keyField, key))
        return;
    if (no > 0)
        setRecNo(no);
}

void Dataset::setSort(const QString &sort)
{
    m_sort = sort;
    if (active()) {
        const int row = eof() ? -1 : currentRow();
        rebuildView();
        if (row >= 0) {
            const qsizetype at = m_view.indexOf(row);
            if (at >= 0)
                m_cur = at;
        }
        Q_EMIT reset();
        Q_EMIT currentChanged(recNo());
    }
}

void Dataset::setFilter(const QString &filter)
{
    m_filter = filter;
    if (active() && m_filtered) {
        rebuildView();
        Q_EMIT reset();
        Q_EMIT currentChanged(recNo());
    }
}

void Dataset::setFiltered(bool on)
{
    if (m_filtered == on)
        return;
    m_filtered = on;
    if (active()) {
        rebuildView();
        Q_EMIT reset();
        Q_EMIT currentChanged(recNo());
    }
}

void Dataset::rebuildView()
{
    const int n = m_rows->rowCount();
    m_view.resize(n);
    std::iota(m_view.begin(), m_view.end(), 0);

    if (m_filtered && !m_filter.trimmed().isEmpty()) {
        const auto resolve = [this](const QString &name) { return fieldIndex(name); };
        const auto kindOf = [this](int c) { return m_rows->kind(c); };
        const std::unique_ptr<Filter> f = Filter::compile(m_filter, resolve, kindOf);
        m_view.erase(
            std::remove_if(m_view.begin(), m_view.end(), [&](int r) { return !f->matches(*m_rows, r); }),
            m_view.end());
    }

    if (!m_sort.trimmed().isEmpty()) {
        struct Key
        {
            int col;
            bool desc;
        };
        QVector<Key> keys;
        for (const QString &part : m_sort.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList words = part.simplified().split(QLatin1Char(' '));
            const int col = fieldIndex(words.value(0));
            if (col < 0)
                throw DbError(QStringLiteral("Поле сортировки %1 не найдено").arg(words.value(0)));
            const bool desc =
                words.size() > 1 && words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
            keys.push_back({col, desc});
        }
        // Sort keys made once per row: a collation key for texts, the value for numbers.
        const ResultSet &rows = *m_rows;
        const int n = m_rows->rowCount();
        std::vector<std::vector<QCollatorSortKey>> textKeys(keys.size());
        std::vector<std::vector<double>> numberKeys(keys.size());
        for (qsizetype k = 0; k < keys.size(); ++k) {
            const int col = keys[k].col;
            switch (rows.kind(col)) {
            case FieldKind::Text:
                textKeys[k].reserve(n);
                for (int r = 0; r < n; ++r) {
                    const QByteArrayView v = rows.raw(r, col);
                    textKeys[k].push_back(textCollator().sortKey(QString::fromUtf8(v.data(), v.size())));
                }
                break;
            case FieldKind::Integer:
            case FieldKind::Decimal:
            case FieldKind::Float:
                numberKeys[k].resize(n);
                for (int r = 0; r < n; ++r)
                    numberKeys[k][r] = rows.isNull(r, col) ? 0 : numberOf(rows.raw(r, col));
                break;
            default:
                break;
            }
        }
        std::stable_sort(m_view.begin(), m_view.end(), [&](int a, int b) {
            for (qsizetype i = 0; i < keys.size(); ++i) {
                const Key &k = keys[i];
                const bool na = rows.isNull(a, k.col), nb = rows.isNull(b, k.col);
                int c;
                if (na || nb)
                    c = na == nb ? 0 : (na ? -1 : 1); // NULLs first when ascending
                else if (!textKeys[i].empty())
                    c = textKeys[i][a].compare(textKeys[i][b]);
                else if (!numberKeys[i].empty())
                    c = numberKeys[i][a] < numberKeys[i][b] ? -1
                                                            : (numberKeys[i][a] > numberKeys[i][b] ? 1 : 0);
                else
                    c = compareValues(rows.kind(k.col), rows.raw(a, k.col), rows.raw(b, k.col));
                if (c != 0)
                    return k.desc ? c > 0 : c < 0;
            }
            return false;
        });
    }
    m_cur = 0;
    m_atBof = true;
}

void Dataset::setCurrent(qsizetype cur, bool atBof)
{
    m_cur = cur;
    m_atBof = atBof;
    Q_EMIT currentChanged(recNo());
}

int Dataset::currentRow() const
{
    if (!active())
        throw DbError(QStringLiteral("Набор данных %1 закрыт").arg(name()));
    if (eof())
        throw DbError(QStringLiteral("Набор данных %1: нет текущей записи").arg(name()));
    return m_view[m_cur];
}

void Dataset::setRecNo(int recNo)
{
    if (m_view.isEmpty())
        return;
    setCurrent(std::clamp<qsizetype>(recNo - 1, 0, m_view.size() - 1));
}

void Dataset::first()
{
    setCurrent(0, true);
}

void Dataset::last()
{
    setCurrent(std::max<qsizetype>(0, m_view.size() - 1));
}

void Dataset::next()
{
    if (m_cur < m_view.size())
        setCurrent(m_cur + 1);
}

void Dataset::prior()
{
    if (m_cur > 0)
        setCurrent(m_cur - 1);
    else
        setCurrent(0, true);
}

bool Dataset::locate(const QString &fieldName, const QVariant &value)
{
    const int col = fieldIndex(fieldName);
    if (col < 0 || !active())
        return false;
    const FieldKind kind = m_rows->kind(col);
    const QByteArray wanted = value.typeId() == QMetaType::Bool ? QByteArray(value.toBool() ? "t" : "f")
                                                                : value.toString().toUtf8();
    for (qsizetype i = 0; i < m_view.size(); ++i) {
        const int r = m_view[i];
        if (m_rows->isNull(r, col))
            continue;
        const QByteArrayView cell = m_rows->raw(r, col);
        const bool same = kind == FieldKind::Text ? cell == wanted : compareValues(kind, cell, wanted) == 0;
        if (same) {
            setCurrent(i);
            return true;
        }
    }
    return false;
}

int Dataset::fieldCount() const
{
    return int(m_names.size());
}

int Dataset::fieldIndex(const QString &name) const
{
    return m_index.value(name.toLower(), -1);
}

QString Dataset::fieldName(int column) const
{
    return m_names.value(column);
}

FieldKind Dataset::fieldKind(int column) const
{
    return m_rows ? m_rows->kind(column) : FieldKind::Text;
}

Field Dataset::field(const QString &name) const
{
    const int col = fieldIndex(name);
    if (col < 0)
        throw DbError(QStringLiteral("%1: поле '%2' не найдено").arg(this->name(), name));
    currentRow(); // raises when there is no record
    return Field(this, col);
}

Field Dataset::field(int column) const
{
    currentRow();
    return Field(this, column);
}

bool Dataset::isNull(int record, int column) const
{
    return m_rows->isNull(m_view[record], column);
}

QByteArrayView Dataset::raw(int record, int column) const
{
    return m_rows->raw(m_view[record], column);
}

QString Dataset::displayText(int record, int column) const
{
    const int r = m_view[record];
    return displayTextOf(m_rows->kind(column), m_rows->raw(r, column), m_rows->isNull(r, column));
}
