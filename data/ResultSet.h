#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVector>
#include <memory>

// How a column's text is read back.
enum class FieldKind
{
    Text,
    Integer,
    Decimal, // exact numeric: kept as text, never through a float
    Float,
    Boolean,
    Date,
    DateTime,
    Time
};

// The rows a query returned, held as the server's text form (UTF-8): numbers exactly as the
// server wrote them, booleans "t"/"f" (or "1"/"0" from ODBC), dates "YYYY-MM-DD".
class ResultSet
{
public:
    virtual ~ResultSet() = default;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual QString columnName(int col) const = 0;
    virtual FieldKind kind(int col) const = 0;
    virtual bool isNull(int row, int col) const = 0;
    virtual QByteArrayView raw(int row, int col) const = 0;
};

// Rows copied into one packed buffer: the form used for drivers other than libpq.
class PackedResultSet final : public ResultSet
{
public:
    void addColumn(const QString &name, FieldKind kind);
    void beginRow();
    void addCell(QByteArrayView text, bool null);

    int rowCount() const override
    {
        return m_columns.isEmpty() ? 0 : int(m_offsets.size() / m_columns.size());
    }
    int columnCount() const override { return int(m_columns.size()); }
    QString columnName(int col) const override { return m_columns[col].name; }
    FieldKind kind(int col) const override { return m_columns[col].kind; }
    bool isNull(int row, int col) const override;
    QByteArrayView raw(int row, int col) const override;

private:
    struct Column
    {
        QString name;
        FieldKind kind;
    };
    QVector<Column> m_columns;
    QByteArray m_data;
    // Per cell: end offset in m_data, with the top bit marking NULL.
    QVector<quint32> m_offsets;
};

std::unique_ptr<ResultSet> makePgResultSet(void *pgresult);
