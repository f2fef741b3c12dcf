#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QVariant>

#include "data/Dataset.h"

// A look-up combo box: shows the list field of a dataset's rows and stands for the key field of
// the chosen one. Nothing chosen is index -1. The key survives reopening the list.
class DBLookupComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget *parent = nullptr);

    void setListSource(Dataset *dataset, const QString &keyField = QStringLiteral("id"),
                       const QString &listField = QStringLiteral("s_caption"));
    Dataset *listSource() const { return m_ds; }

    // The chosen row's key; an invalid QVariant when nothing is chosen.
    QVariant keyValue() const;
    // The key as decimal text for composed SQL, or `none` when nothing is chosen.
    QString keyText(const QString &none = QStringLiteral("0")) const;
    void setKeyValue(const QVariant &key);
    void clearKey() { setKeyValue(QVariant()); }

private:
    void reload();

    QPointer<Dataset> m_ds;
    QString m_keyField, m_listField;
    QVariant m_key;
    bool m_loading = false;
};

// While `combo` has the focus, the mouse wheel anywhere over `window` steps through its items
// (wheel down = Down key, wheel up = Up key).
void installWheelStepping(QWidget *window, QComboBox *combo);

// An edit box for quantities and prices: digits, "," and "." only (and Backspace); any other
// typed or pasted character is dropped.
class NumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void dropForeign(const QString &text);
};
