#include "data/DatasetModel.h"

#include "data/Dataset.h"

DatasetModel::DatasetModel(QObject *parent) : QAbstractTableModel(parent) {}

void DatasetModel::setDataset(Dataset *dataset)
{
    if (m_ds)
        disconnect(m_ds, nullptr, this, nullptr);
    m_ds = dataset;
    if (m_ds)
        connect(m_ds, &Dataset::reset, this, &DatasetModel::datasetReset);
    datasetReset();
}

void DatasetModel::setColumns(const QVector<Column> &columns)
{
    m_columns = columns;
    datasetReset();
}

void DatasetModel::datasetReset()
{
    beginResetModel();
    m_fieldOf.clear();
    if (m_ds && m_ds->active()) {
        if (m_columns.isEmpty()) {
            for (int c = 0; c < m_ds->fieldCount(); ++c)
                m_fieldOf.push_back(c);
        } else {
            for (const Column &c : m_columns)
                m_fieldOf.push_back(m_ds->fieldIndex(c.field));
        }
    }
    endResetModel();
}

int DatasetModel::fieldColumn(int column) const
{
    return m_fieldOf.value(column, -1);
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_ds || !m_ds->active())
        return 0;
    return m_ds->recordCount();
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    if (!m_columns.isEmpty())
        return int(m_columns.size());
    return int(m_fieldOf.size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_ds || !m_ds->active() || index.row() >= m_ds->recordCount())
        return {};
    if (role == Qt::BackgroundRole) {
        if (m_rowColor) {
            const QColor c = m_rowColor(m_ds, index.row());
            if (c.isValid())
                return c;
        }
        return {};
    }
    if (role == Qt::ForegroundRole) {
        // The two row colours are light: keep their text dark in every style.
        if (m_rowColor && m_rowColor(m_ds, index.row()).isValid())
            return QColor(Qt::black);
        return {};
    }
    const Column *column = m_columns.isEmpty() ? nullptr : &m_columns[index.column()];
    if (role == Qt::TextAlignmentRole)
        return column && column->centred ? QVariant(Qt::AlignCenter)
                                         : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    const int col = fieldColumn(index.column());
    if (col < 0)
        return {};
    if (column && column->checkBox) {
        if (role == Qt::CheckStateRole) {
            const QByteArrayView v = m_ds->raw(index.row(), col);
            const bool on = !m_ds->isNull(index.row(), col) && (v == "t" || v == "1" || v == "true");
            return on ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return m_ds->displayText(index.row(), col);
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (!m_columns.isEmpty())
        return m_columns.value(section).title;
    if (m_ds)
        return m_ds->fieldName(fieldColumn(section));
    return {};
}

void DatasetModel::setRowColor(RowColor color)
{
    m_rowColor = std::move(color);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString DatasetModel::fieldOf(int column) const
{
    if (!m_columns.isEmpty())
        return m_columns.value(column).field;
    return m_ds ? m_ds->fieldName(fieldColumn(column)) : QString();
}

void DatasetModel::toggleSort(int column)
{
    if (!m_ds)
        return;
    const QString f = fieldOf(column);
    if (f.isEmpty())
        return;
    const QString asc = f + QStringLiteral(" ASC");
    m_ds->setSort(m_ds->sort().compare(asc, Qt::CaseInsensitive) == 0 ? f + QStringLiteral(" DESC") : asc);
}
