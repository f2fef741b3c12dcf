#include "app/DBGrid.h"

#include "app/Platform.h"
#include "data/Dataset.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Paints a small "..." button at the right of the cell and reports clicks on it.
class CellButtonDelegate final : public QStyledItemDelegate
{
public:
    CellButtonDelegate(DBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    static QRect buttonRect(const QRect &cell)
    {
        const int w = std::min(22, cell.width());
        return QRect(cell.right() - w + 1, cell.top() + 1, w - 1, cell.height() - 2);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionButton button;
        button.rect = buttonRect(option.rect);
        button.text = QStringLiteral("...");
        button.state = QStyle::State_Enabled | QStyle::State_Raised;
        QWidget *w = m_grid;
        w->style()->drawControl(QStyle::CE_PushButton, &button, painter, w);
    }

    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto *me = static_cast<QMouseEvent *>(event);
            if (me->button() == Qt::LeftButton &&
                buttonRect(option.rect).contains(me->position().toPoint())) {
                m_grid->selectRow(index.row());
                m_grid->clickCellButton(index.column());
                return true;
            }
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }

private:
    DBGrid *m_grid;
};

} // namespace

DBGrid::DBGrid(QWidget *parent)
    : QTableView(parent), m_model(new DatasetModel(this)), m_buttonDelegate(new CellButtonDelegate(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setMinimumWidth(14);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DBGrid::clickTitle);
}

void DBGrid::setDataset(Dataset *dataset)
{
    if (Dataset *old = m_model->dataset())
        disconnect(old, nullptr, this, nullptr);
    m_model->setDataset(dataset);
    if (dataset) {
        connect(dataset, &Dataset::currentChanged, this, &DBGrid::followDataset);
        connect(dataset, &Dataset::reset, this, &DBGrid::applyColumns);
        followDataset(dataset->recNo());
    }
    applyColumns();
}

Dataset *DBGrid::dataset() const
{
    return m_model->dataset();
}

void DBGrid::setColumns(const QVector<Column> &columns)
{
    m_columns = columns;
    QVector<DatasetModel::Column> modelColumns;
    for (const Column &c : columns)
        modelColumns.push_back({c.field, c.title, c.centred, c.checkBox});
    m_model->setColumns(modelColumns);
    applyColumns();
}

void DBGrid::applyColumns()
{
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        const Column &c = m_columns[i];
        setColumnHidden(int(i), !c.visible);
        if (c.width > 0)
            setColumnWidth(int(i), c.width);
        setItemDelegateForColumn(int(i), c.cellButton ? m_buttonDelegate : nullptr);
    }
}

void DBGrid::setRowColor(DatasetModel::RowColor color)
{
    m_model->setRowColor(std::move(color));
}

void DBGrid::setMultiSelect(bool on)
{
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

QList<int> DBGrid::selectedRecords() const
{
    QList<int> out;
    for (const QModelIndex &i : selectionModel()->selectedRows())
        out << i.row() + 1;
    std::sort(out.begin(), out.end());
    return out;
}

void DBGrid::setTitlesBold(bool on)
{
    QFont f = horizontalHeader()->font();
    f.setBold(on);
    horizontalHeader()->setFont(f);
    horizontalHeader()->setDefaultAlignment(on ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
}

void DBGrid::clickTitle(int column)
{
    if (m_sortByTitle)
        Platform::guard([&] { m_model->toggleSort(column); });
    Q_EMIT titleClick(column);
}

void DBGrid::clickCellButton(int column)
{
    Q_EMIT cellButtonClick(column);
}

void DBGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && event->button() == Qt::LeftButton) {
        if (m_columns.value(at.column()).cellButton &&
            CellButtonDelegate::buttonRect(visualRect(at)).contains(event->position().toPoint()))
            return;
        Q_EMIT dblClick();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void DBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    Dataset *ds = dataset();
    if (m_syncing || !ds || !current.isValid() || !ds->active())
        return;
    m_syncing = true;
    ds->setRecNo(current.row() + 1);
    m_syncing = false;
}

void DBGrid::followDataset(int recNo)
{
    if (m_syncing)
        return;
    m_syncing = true;
    if (recNo > 0 && recNo <= m_model->rowCount()) {
        int col = 0;
        while (col < m_model->columnCount() && isColumnHidden(col))
            ++col;
        const QModelIndex i =
            m_model->index(recNo - 1, std::min(col, std::max(0, m_model->columnCount() - 1)));
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(i);
    } else {
        selectionModel()->clearSelection();
    }
    m_syncing = false;
}
