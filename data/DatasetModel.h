#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <QVector>
#include <functional>

class Dataset;

// A table model over a dataset, for the data-aware grids. Columns are bound to fields by name;
// the rows are the dataset's visible records in its current (client-side) order.
class DatasetModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Column
    {
        QString field; // empty for a column without a field (a cell button column)
        QString title;
        bool centred = false;
        bool checkBox = false; // a boolean field shown as a check box
    };
    // A row's background: invalid for the default. Gets the 0-based visible record.
    using RowColor = std::function<QColor(const Dataset *, int record)>;

    explicit DatasetModel(QObject *parent = nullptr);

    void setDataset(Dataset *dataset);
    Dataset *dataset() const { return m_ds; }
    // Without columns every field of the dataset is shown under its own name.
    void setColumns(const QVector<Column> &columns);
    QVector<Column> columns() const { return m_columns; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setRowColor(RowColor color);

    QString fieldOf(int column) const;
    // A title click: sorts the dataset by that column's field, ascending first, then toggling.
    void toggleSort(int column);

private:
    void datasetReset();
    int fieldColumn(int column) const;

    QPointer<Dataset> m_ds;
    QVector<Column> m_columns;
    QVector<int> m_fieldOf; // model column -> dataset column (-1 when the field is missing)
    RowColor m_rowColor;
};
