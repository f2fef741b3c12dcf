#include "app/Catalog.h"

#include "app/Platform.h"
#include "data/Action.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "data/Numbers.h"
#include "data/Unit6.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace Catalog {

int currentId(Dataset *dataset)
{
    if (!dataset || !dataset->active() || dataset->eof())
        return 0;
    return dataset->field(QStringLiteral("id")).asInt();
}

QString filterText(const QString &text)
{
    return QString(text).replace(QLatin1Char('\''), QLatin1String("''"));
}

void prefixSearch(Dataset *dataset, const QString &text, const QString &field)
{
    if (text.isEmpty()) {
        dataset->setFiltered(false);
        return;
    }
    dataset->setFiltered(false);
    dataset->setFilter(field + QStringLiteral(" like '") + filterText(text) + QStringLiteral("%'"));
    dataset->setFiltered(true);
}

namespace {

class SearchKeys final : public QObject
{
public:
    SearchKeys(QLineEdit *box, Dataset *dataset, bool consumeAll)
        : QObject(box), m_ds(dataset), m_consumeAll(consumeAll)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            if (m_ds && m_ds->active()) {
                if (key->key() == Qt::Key_Up)
                    m_ds->prior();
                else if (m_ds->recNo() < m_ds->recordCount())
                    m_ds->next();
            }
            return true;
        }
        if (!m_consumeAll)
            return false;
        // Text and Backspace edit the box; Enter and Escape belong to the window's buttons.
        const QString t = key->text();
        const bool text = !t.isEmpty() && t[0].isPrint() && !(key->modifiers() & Qt::ControlModifier);
        const bool passes = text || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return ||
                            key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape ||
                            key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        return !passes;
    }

private:
    QPointer<Dataset> m_ds;
    bool m_consumeAll;
};

} // namespace

void installSearchKeys(QLineEdit *box, Dataset *dataset, bool consumeAll)
{
    box->installEventFilter(new SearchKeys(box, dataset, consumeAll));
}

void reopenAt(Dataset *dataset, int recNo)
{
    dataset->close();
    dataset->open();
    if (recNo > 0)
        dataset->setRecNo(recNo);
}

void reopenOnId(Dataset *dataset, int id)
{
    const int recNo = dataset->recNo();
    dataset->close();
    dataset->open();
    if (!dataset->locate(QStringLiteral("id"), id) && recNo > 0)
        dataset->setRecNo(recNo);
}

bool deleteCurrent(Dataset *dataset, const QString &table)
{
    const int id = currentId(dataset);
    if (id == 0 && (dataset->isEmpty() || !dataset->active()))
        return false;
    const int recNo = dataset->recNo();
    if (!Platform::askDelete(QStringLiteral("Удалить строку?")))
        return false;
    Action action(DataModule6->ADO_DB);
    DataModule6->cmd_all->execute(QStringLiteral("delete from ") + table + QStringLiteral(" where id=") +
                                  QString::number(id));
    action.commit();
    reopenAt(dataset, recNo);
    return true;
}

void ChooseTargets::choose(QDialog *list, int tag, Dataset *row) const
{
    if (!has(tag))
        return;
    if (currentId(row) == 0) {
        list->reject();
        return;
    }
    run(tag, row);
    list->accept();
}

void keepingLayout(const ListButtons &b)
{
    b.add->setVisible(true);
    b.remove->setVisible(true);
    b.search->setVisible(true);
    if (b.searchLabel)
        b.searchLabel->setVisible(true);
    b.change->setText(QStringLiteral("Изменить"));
    b.change->setDefault(b.keepingDefault == b.change);
    b.keepingDefault->setDefault(true);
}

void chooseLayout(const ListButtons &b)
{
    b.change->setText(QStringLiteral("Выбрать"));
    b.change->setVisible(true);
    b.add->setDefault(false);
    b.change->setDefault(true);
    b.add->setVisible(false);
    b.remove->setVisible(false);
    b.search->setVisible(true);
    if (b.searchLabel)
        b.searchLabel->setVisible(true);
    b.search->clear();
}

Dataset *departmentTable(QObject *owner)
{
    return new Dataset(DataModule6->ADO_DB, QStringLiteral("cb_department"),
                       QStringLiteral("select * from cmn_department.department order by s_caption"), owner);
}

bool requireFilled(const QString &text)
{
    if (!text.trimmed().isEmpty())
        return true;
    Platform::showError(QStringLiteral("Все поля должны быть заполнены!"));
    return false;
}

void returnTo(Dataset *dataset, int id, int recNo)
{
    if (!dataset->active() || dataset->isEmpty())
        return;
    if (recNo > 0)
        dataset->setRecNo(recNo);
    if (id != 0 && currentId(dataset) != id && !dataset->locate(QStringLiteral("id"), id) && recNo > 0)
        dataset->setRecNo(recNo);
}

QString numberField(const QLineEdit *box, const QString &label)
{
    const QString text = box->text().trimmed();
    if (!text.isEmpty() && !Numbers::readNumber(text))
        throw InputError(QStringLiteral("Неверное число: «%1» в поле «%2»").arg(text, label));
    return SqlNumber(text);
}

} // namespace Catalog
