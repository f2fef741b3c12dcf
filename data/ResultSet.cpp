#include "data/ResultSet.h"

#include <libpq-fe.h>

namespace {
constexpr quint32 NullBit = 0x80000000u;
}

void PackedResultSet::addColumn(const QString &name, FieldKind kind)
{
    m_columns.push_back({name, kind});
}

void PackedResultSet::beginRow() {}

void PackedResultSet::addCell(QByteArrayView text, bool null)
{
    if (!null)
        m_data.append(text.data(), text.size());
    m_offsets.push_back(quint32(m_data.size()) | (null ? NullBit : 0));
}

bool PackedResultSet::isNull(int row, int col) const
{
    return m_offsets[row * m_columns.size() + col] & NullBit;
}

QByteArrayView PackedResultSet::raw(int row, int col) const
{
    const qsizetype i = row * m_columns.size() + col;
    const quint32 end = m_offsets[i] & ~NullBit;
    const quint32 begin = i == 0 ? 0 : (m_offsets[i - 1] & ~NullBit);
    return QByteArrayView(m_data.constData() + begin, end - begin);
}

namespace {

// The rows kept in libpq's own result: no copy at all.
class PgResultSet final : public ResultSet
{
public:
    explicit PgResultSet(PGresult *res) : m_res(res)
    {
        const int n = PQnfields(res);
        m_names.reserve(n);
        m_kinds.reserve(n);
        for (int c = 0; c < n; ++c) {
            m_names.push_back(QString::fromUtf8(PQfname(res, c)));
            m_kinds.push_back(kindOf(PQftype(res, c)));
        }
    }
    ~PgResultSet() override { PQclear(m_res); }

    int rowCount() const override { return PQntuples(m_res); }
    int columnCount() const override { return int(m_names.size()); }
    QString columnName(int col) const override { return m_names[col]; }
    FieldKind kind(int col) const override { return m_kinds[col]; }
    bool isNull(int row, int col) const override { return PQgetisnull(m_res, row, col); }
    QByteArrayView raw(int row, int col) const override
    {
        return QByteArrayView(PQgetvalue(m_res, row, col), PQgetlength(m_res, row, col));
    }

private:
    static FieldKind kindOf(Oid type)
    {
        // Domains arrive as their base types.
        switch (type) {
        case 16:
            return FieldKind::Boolean;
        case 20:
        case 21:
        case 23:
        case 26:
            return FieldKind::Integer;
        case 700:
        case 701:
            return FieldKind::Float;
        case 1700:
            return FieldKind::Decimal;
        case 1082:
            return FieldKind::Date;
        case 1114:
        case 1184:
            return FieldKind::DateTime;
        case 1083:
            return FieldKind::Time;
        default:
            return FieldKind::Text;
        }
    }

    PGresult *m_res;
    QVector<QString> m_names;
    QVector<FieldKind> m_kinds;
};

} // namespace

std::unique_ptr<ResultSet> makePgResultSet(void *pgresult)
{
    return std::make_unique<PgResultSet>(static_cast<PGresult *>(pgresult));
}
