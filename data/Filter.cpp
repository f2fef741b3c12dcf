#include "data/Filter.h"

#include "data/DbError.h"

#include <QCollator>
#include <QDate>
#include <QRegularExpression>
#include <cstdlib>

namespace {

double toNumber(QByteArrayView v)
{
    char buf[64];
    const qsizetype n = std::min<qsizetype>(v.size(), sizeof buf - 1);
    for (qsizetype i = 0; i < n; ++i)
        buf[i] = v[i] == ',' ? '.' : v[i];
    buf[n] = 0;
    return std::strtod(buf, nullptr);
}

int toBool(QByteArrayView v)
{
    return (v == "t" || v == "1" || v == "true" || v == "T" || v == "TRUE" || v == "True" || v == "-1") ? 1
                                                                                                        : 0;
}

} // namespace

const QCollator &textCollator()
{
    // Russian collation whatever the workstation's locale, capitals and small letters together.
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Russian, QLocale::Russia)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

double numberOf(QByteArrayView v)
{
    return toNumber(v);
}

int compareValues(FieldKind kind, QByteArrayView a, QByteArrayView b)
{
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::Decimal:
    case FieldKind::Float: {
        const double x = toNumber(a), y = toNumber(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldKind::Boolean:
        return toBool(a) - toBool(b);
    case FieldKind::Date:
    case FieldKind::DateTime:
    case FieldKind::Time: {
        const int c = a.compare(b);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    case FieldKind::Text:
        break;
    }
    const int c = textCollator().compare(QString::fromUtf8(a), QString::fromUtf8(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

namespace {

class Or final : public Filter
{
public:
    Or(std::unique_ptr<Filter> l, std::unique_ptr<Filter> r) : m_l(std::move(l)), m_r(std::move(r)) {}
    bool matches(const ResultSet &rows, int row) const override
    {
        return m_l->matches(rows, row) || m_r->matches(rows, row);
    }

private:
    std::unique_ptr<Filter> m_l, m_r;
};

class And final : public Filter
{
public:
    And(std::unique_ptr<Filter> l, std::unique_ptr<Filter> r) : m_l(std::move(l)), m_r(std::move(r)) {}
    bool matches(const ResultSet &rows, int row) const override
    {
        return m_l->matches(rows, row) && m_r->matches(rows, row);
    }

private:
    std::unique_ptr<Filter> m_l, m_r;
};

class Not final : public Filter
{
public:
    explicit Not(std::unique_ptr<Filter> f) : m_f(std::move(f)) {}
    bool matches(const ResultSet &rows, int row) const override { return !m_f->matches(rows, row); }

private:
    std::unique_ptr<Filter> m_f;
};

enum class Op
{
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Like,
    IsNull,
    IsNotNull
};

class Compare final : public Filter
{
public:
    Compare(int col, FieldKind kind, Op op, QByteArray value, bool valueNull)
        : m_col(col), m_kind(kind), m_op(op), m_value(std::move(value)), m_valueNull(valueNull)
    {
        if (m_op == Op::Like) {
            QString pattern;
            for (const QChar ch : QString::fromUtf8(m_value)) {
                if (ch == QLatin1Char('%'))
                    pattern += QLatin1String(".*");
                else if (ch == QLatin1Char('_'))
                    pattern += QLatin1Char('.');
                else
                    pattern += QRegularExpression::escape(QString(ch));
            }
            m_like.setPattern(QLatin1Char('^') + pattern + QLatin1Char('$'));
            m_like.setPatternOptions(QRegularExpression::CaseInsensitiveOption |
                                     QRegularExpression::DotMatchesEverythingOption);
        } else if (m_kind == FieldKind::Text) {
            m_text = QString::fromUtf8(m_value);
        }
    }

    bool matches(const ResultSet &rows, int row) const override
    {
        const bool null = rows.isNull(row, m_col);
        if (m_op == Op::IsNull)
            return null;
        if (m_op == Op::IsNotNull)
            return !null;
        if (null || m_valueNull)
            return false;
        const QByteArrayView cell = rows.raw(row, m_col);
        if (m_op == Op::Like)
            return m_like.match(QString::fromUtf8(cell)).hasMatch();
        int c;
        if (m_kind == FieldKind::Text)
            c = QString::fromUtf8(cell).compare(m_text, Qt::CaseInsensitive);
        else
            c = compareValues(m_kind, cell, m_value);
        switch (m_op) {
        case Op::Eq:
            return c == 0;
        case Op::Ne:
            return c != 0;
        case Op::Lt:
            return c < 0;
        case Op::Gt:
            return c > 0;
        case Op::Le:
            return c <= 0;
        case Op::Ge:
            return c >= 0;
        default:
            return false;
        }
    }

private:
    int m_col;
    FieldKind m_kind;
    Op m_op;
    QByteArray m_value;
    bool m_valueNull;
    QString m_text;
    QRegularExpression m_like;
};

class Parser
{
public:
    Parser(const QString &text, const std::function<int(const QString &)> &resolve,
           const std::function<FieldKind(int)> &kindOf)
        : m_text(text), m_resolve(resolve), m_kindOf(kindOf)
    {
    }

    std::unique_ptr<Filter> parse()
    {
        auto f = orExpr();
        skipBlanks();
        if (m_pos < m_text.size())
            fail();
        return f;
    }

private:
    [[noreturn]] void fail() const
    {
        throw DbError(QStringLiteral("Неверный текст фильтра: %1").arg(m_text));
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    bool keyword(const char *word)
    {
        skipBlanks();
        const QLatin1String w(word);
        if (m_text.mid(m_pos, w.size()).compare(w, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype end = m_pos + w.size();
        if (end < m_text.size() && (m_text[end].isLetterOrNumber() || m_text[end] == QLatin1Char('_')))
            return false;
        m_pos = end;
        return true;
    }

    bool symbol(const char *s)
    {
        skipBlanks();
        const QLatin1String w(s);
        if (!m_text.mid(m_pos, w.size()).startsWith(w))
            return false;
        m_pos += w.size();
        return true;
    }

    std::unique_ptr<Filter> orExpr()
    {
        auto l = andExpr();
        while (keyword("or"))
            l = std::make_unique<Or>(std::move(l), andExpr());
        return l;
    }

    std::unique_ptr<Filter> andExpr()
    {
        auto l = factor();
        while (keyword("and"))
            l = std::make_unique<And>(std::move(l), factor());
        return l;
    }

    std::unique_ptr<Filter> factor()
    {
        if (keyword("not"))
            return std::make_unique<Not>(factor());
        if (symbol("(")) {
            auto f = orExpr();
            if (!symbol(")"))
                fail();
            return f;
        }
        return comparison();
    }

    QString name()
    {
        skipBlanks();
        if (m_pos < m_text.size() &&
            (m_text[m_pos] == QLatin1Char('[') || m_text[m_pos] == QLatin1Char('"'))) {
            const QChar close = m_text[m_pos] == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('"');
            const qsizetype end = m_text.indexOf(close, m_pos + 1);
            if (end < 0)
                fail();
            const QString n = m_text.mid(m_pos + 1, end - m_pos - 1);
            m_pos = end + 1;
            return n;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() &&
               (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == QLatin1Char('_') ||
                m_text[m_pos] == QLatin1Char('.')))
            ++m_pos;
        if (start == m_pos)
            fail();
        return m_text.mid(start, m_pos - start);
    }

    std::unique_ptr<Filter> comparison()
    {
        const QString field = name();
        const int col = m_resolve(field);
        if (col < 0)
            throw DbError(QStringLiteral("Поле %1 не найдено").arg(field));
        const FieldKind kind = m_kindOf(col);
        if (keyword("is")) {
            const bool negated = keyword("not");
            if (!keyword("null"))
                fail();
            return std::make_unique<Compare>(col, kind, negated ? Op::IsNotNull : Op::IsNull, QByteArray(),
                                             true);
        }
        Op op;
        if (keyword("like"))
            op = Op::Like;
        else if (symbol("<>") || symbol("!="))
            op = Op::Ne;
        else if (symbol("<="))
            op = Op::Le;
        else if (symbol(">="))
            op = Op::Ge;
        else if (symbol("="))
            op = Op::Eq;
        else if (symbol("<"))
            op = Op::Lt;
        else if (symbol(">"))
            op = Op::Gt;
        else
            fail();
        bool null = false;
        QByteArray value = literal(&null);
        if (!null && (kind == FieldKind::Date || kind == FieldKind::DateTime)) {
            // A date written as the workstation shows it compares as the ISO text the server sends.
            const QDate d = QDate::fromString(QString::fromUtf8(value), QStringLiteral("dd.MM.yyyy"));
            if (d.isValid())
                value = d.toString(Qt::ISODate).toUtf8();
        }
        return std::make_unique<Compare>(col, kind, op, value, null);
    }

    QByteArray literal(bool *null)
    {
        skipBlanks();
        if (m_pos >= m_text.size())
            fail();
        const QChar c = m_text[m_pos];
        if (c == QLatin1Char('\'') || c == QLatin1Char('#')) {
            const QChar close = c;
            QString v;
            ++m_pos;
            while (true) {
                if (m_pos >= m_text.size())
                    fail();
                if (m_text[m_pos] == close) {
                    if (close == QLatin1Char('\'') && m_pos + 1 < m_text.size() &&
                        m_text[m_pos + 1] == QLatin1Char('\'')) {
                        v += close;
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    break;
                }
                v += m_text[m_pos++];
            }
            return v.toUtf8();
        }
        if (keyword("null")) {
            *null = true;
            return {};
        }
        if (keyword("true"))
            return "t";
        if (keyword("false"))
            return "f";
        const qsizetype start = m_pos;
        if (m_text[m_pos] == QLatin1Char('-') || m_text[m_pos] == QLatin1Char('+'))
            ++m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isDigit() || m_text[m_pos] == QLatin1Char('.') ||
                                         m_text[m_pos] == QLatin1Char(',')))
            ++m_pos;
        if (start == m_pos)
            fail();
        return m_text.mid(start, m_pos - start).toUtf8();
    }

    QString m_text;
    qsizetype m_pos = 0;
    const std::function<int(const QString &)> &m_resolve;
    const std::function<FieldKind(int)> &m_kindOf;
};

} // namespace

std::unique_ptr<Filter> Filter::compile(const QString &text,
                                        const std::function<int(const QString &)> &resolve,
                                        const std::function<FieldKind(int)> &kindOf)
{
    return Parser(text, resolve, kindOf).parse();
}
