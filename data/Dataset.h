#pragma once

#include "data/Filter.h"
#include "data/ResultSet.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>

class Connection;
class Dataset;

// One field of the dataset's current row.
class Field
{
public:
    Field(const Dataset *dataset, int column) : m_ds(dataset), m_col(column) {}

    QString name() const;
    FieldKind kind() const;
    bool isNull() const;
    // The text as the workstation shows it: numbers with a decimal comma and no trailing zeros,
    // dates "DD.MM.YYYY", booleans "True"/"False"; NULL gives "".
    QString asString() const;
    qint64 asInteger() const;
    int asInt() const { return int(asInteger()); }
    double asFloat() const;
    // An exact number as the server wrote it ("12.500000"), or "0" for NULL.
    QString asDecimal() const;
    bool asBoolean() const;
    QDate asDate() const;
    QDateTime asDateTime() const;
    QVariant value() const;

private:
    QByteArrayView raw() const;
    const Dataset *m_ds;
    int m_col;
};

// A query with a static client-side cursor: open() fetches every row; sorting and the record
// filter work on the client and survive close/open, like the ADO datasets the windows were
// designed against.
class Dataset : public QObject
{
    Q_OBJECT
public:
    Dataset(Connection *connection, const QString &name, const QString &sql = QString(),
            QObject *parent = nullptr);
    ~Dataset() override;

    QString name() const { return objectName(); }

    // SQL text; changing it keeps the values of parameters that keep their names.
    QString sql() const { return m_sql; }
    void setSql(const QString &sql);
    void clearSql() { setSql(QString()); }
    void addSql(const QString &line);

    QStringList parameterNames() const { return m_paramNames; }
    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const;

    void open();
    void close();
    bool active() const { return bool(m_rows); }
    // Reopens and comes back to the row with the same key, else to the same record number.
    void refresh(const QString &keyField = QStringLiteral("id"));

    // Client-side sort: "ii_caption ASC", "d_date DESC, s_person_caption ASC"; empty = server order.
    QString sort() const { return m_sort; }
    void setSort(const QString &sort);

    // Record filter and its switch.
    QString filter() const { return m_filter; }
    void setFilter(const QString &filter);
    bool filtered() const { return m_filtered; }
    void setFiltered(bool on);

    int recordCount() const { return int(m_view.size()); }
    bool isEmpty() const { return m_view.isEmpty(); }
    bool eof() const { return m_view.isEmpty() || m_cur >= m_view.size(); }
    bool bof() const { return m_view.isEmpty() || m_atBof; }
    // 1-based number of the current record; 0 when there is none.
    int recNo() const { return eof() ? 0 : int(m_cur) + 1; }
    // Moves to a record number, clamped to the records there are.
    void setRecNo(int recNo);
    void first();
    void last();
    void next();
    void prior();
    // Moves to the first record whose field equals value; false (position kept) when none does.
    bool locate(const QString &fieldName, const QVariant &value);

    int fieldCount() const;
    int fieldIndex(const QString &name) const;
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    QString fieldName(int column) const;
    FieldKind fieldKind(int column) const;
    // A field of the current record; raises DbError for an unknown name or when there is no record.
    Field field(const QString &name) const;
    Field field(int column) const;

    // Cells by visible record (0-based), for models.
    bool isNull(int record, int column) const;
    QByteArrayView raw(int record, int column) const;
    QString displayText(int record, int column) const;

Q_SIGNALS:
    // Rows, order or columns changed (open, close, sort, filter).
    void reset();
    // The current record changed; recNo as recNo().
    void currentChanged(int recNo);

private:
    friend class Field;
    void rebuildView();
    void setCurrent(qsizetype cur, bool atBof = false);
    int currentRow() const;

    Connection *m_connection;
    QString m_sql;
    QStringList m_paramNames;
    QHash<QString, QVariant> m_params; // keyed by lower-case name
    std::unique_ptr<ResultSet> m_rows;
    QVector<QString> m_names;    // column names as fields see them (duplicates get _1, _2)
    QHash<QString, int> m_index; // lower-case name -> column
    QVector<int> m_view;         // visible rows in display order
    qsizetype m_cur = 0;
    bool m_atBof = true;
    QString m_sort;
    QString m_filter;
    bool m_filtered = false;
};

// Text of a cell as the workstation shows it (see Field::asString).
QString displayTextOf(FieldKind kind, QByteArrayView raw, bool null);
