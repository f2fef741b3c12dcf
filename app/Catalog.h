#pragma once

#include <QHash>
#include <QString>
#include <functional>

class Dataset;
class QLineEdit;
class QDialog;
class QObject;
class QPushButton;
class QWidget;

// The mechanics every catalog list and edit window shares.
namespace Catalog {

// The id of the dataset's current row; 0 when the list is closed or empty.
int currentId(Dataset *dataset);

// A text typed by the user as it may stand inside a quoted filter literal.
QString filterText(const QString &text);

// Search as you type: empty text switches the filter off; otherwise the filter becomes
// "<field> like '<text>%'" and is switched on.
void prefixSearch(Dataset *dataset, const QString &text, const QString &field = QStringLiteral("s_caption"));

// Up and Down in the search box move the dataset to the previous or next row. With consumeAll,
// every other key that is not text (Left, Right, Home, Delete, ...) is swallowed as well, so only
// typed characters and Backspace edit the box.
void installSearchKeys(QLineEdit *box, Dataset *dataset, bool consumeAll);

// "Удалить строку?": on Yes deletes the current row ("delete from <table> where id=<id>") in one
// action, reopens the dataset and returns to the same record number (the last row when it is
// past the end). An empty list does nothing. Returns true when a row was deleted.
bool deleteCurrent(Dataset *dataset, const QString &table);

// Closes and reopens the dataset, then returns to the record number (clamped).
void reopenAt(Dataset *dataset, int recNo);

// Reopens the dataset and stands on the row with that id (else on the same record number).
void reopenOnId(Dataset *dataset, int id);

// Choose mode: what a list writes back into the window that opened it, by the opener's Tag
// number. The opener's unit registers its target once (in its constructor):
//   Form3->ChooseTargets.set(44, [](Dataset *row) { ...write row's id and name into Form44... });
// The list calls run(Tag, dataset) on "Выбрать"; an unknown Tag does nothing.
class ChooseTargets
{
public:
    using Target = std::function<void(Dataset *row)>;
    void set(int tag, Target target) { m_targets.insert(tag, std::move(target)); }
    bool has(int tag) const { return m_targets.contains(tag); }
    // Writes the current row into the opener registered for tag; false when there is none.
    bool run(int tag, Dataset *row) const
    {
        const auto it = m_targets.constFind(tag);
        if (it == m_targets.constEnd())
            return false;
        (*it)(row);
        return true;
    }
    // "Выбрать" of a list: for a registered tag, writes the current row into the opener and closes
    // the list (an empty list just closes); an unknown tag does nothing.
    void choose(QDialog *list, int tag, Dataset *row) const;

private:
    QHash<int, Target> m_targets;
};

// The controls of a list that also serves choose mode.
struct ListButtons
{
    QPushButton *add;
    QPushButton *change;
    QPushButton *remove;
    QLineEdit *search;
    QWidget *searchLabel;        // may be null
    QPushButton *keepingDefault; // the default button while keeping the catalog
};
// Keeping: "Добавить", "Удалить" and the search box shown, `change` captioned "Изменить".
void keepingLayout(const ListButtons &b);
// Choosing: `change` captioned "Выбрать", shown and default; "Добавить" and "Удалить" hidden; the
// search box shown and cleared.
void chooseLayout(const ListButtons &b);

// The departments table of an edit window's look-up, sorted by name.
Dataset *departmentTable(QObject *owner);

// "Все поля должны быть заполнены!" when the trimmed text is empty; returns false then.
bool requireFilled(const QString &text);

// Back to the row an edit started from: the record number when that row still has the id, else
// the row with the id, else the record number (clamped).
void returnTo(Dataset *dataset, int id, int recNo);

// The number in a number box in its SQL form (SqlNumber; empty text gives "0"). A text that does
// not read as one number ("1,2,3", "," alone) raises InputError "Неверное число: ..." naming the
// field by its label, so the handler stops before anything is written.
QString numberField(const QLineEdit *box, const QString &label);

} // namespace Catalog
