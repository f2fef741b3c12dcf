#pragma once

#include "data/DatasetModel.h"

#include <QTableView>

class Dataset;

// The data-aware grid of the windows: read-only, whole-row selection, bound to a dataset whose
// current record it shows and moves. Columns are bound to fields by name; a column can be
// hidden, centred, a check box, or carry an ellipsis cell button.
class DBGrid : public QTableView
{
    Q_OBJECT
public:
    struct Column
    {
        QString field;
        QString title;
        int width = -1; // -1: the default width
        bool centred = false;
        bool visible = true;
        bool checkBox = false;
        bool cellButton = false;
    };

    explicit DBGrid(QWidget *parent = nullptr);

    void setDataset(Dataset *dataset);
    Dataset *dataset() const;
    void setColumns(const QVector<Column> &columns);
    QVector<Column> columns() const { return m_columns; }
    DatasetModel *datasetModel() const { return m_model; }

    void setRowColor(DatasetModel::RowColor color);
    // Several rows can be selected (Ctrl/Shift); selectedRecords() gives their record numbers.
    void setMultiSelect(bool on);
    QList<int> selectedRecords() const;
    // Bold, centred titles.
    void setTitlesBold(bool on);
    // Titles sort the dataset by their column's field, toggling ascending and descending.
    void setSortByTitle(bool on) { m_sortByTitle = on; }

    // Test and automation helpers: what a user's click on a title or a cell button does.
    void clickTitle(int column);
    void clickCellButton(int column);

Q_SIGNALS:
    // A double click on a row.
    void dblClick();
    void titleClick(int column);
    void cellButtonClick(int column);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void followDataset(int recNo);
    void applyColumns();

    DatasetModel *m_model;
    QAbstractItemDelegate *m_buttonDelegate;
    QVector<Column> m_columns;
    bool m_syncing = false;
    bool m_sortByTitle = false;
};
