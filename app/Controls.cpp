#include "app/Controls.h"

#include "data/Dataset.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

DBLookupComboBox::DBLookupComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_loading)
            m_key = index >= 0 ? itemData(index) : QVariant();
    });
}

void DBLookupComboBox::setListSource(Dataset *dataset, const QString &keyField, const QString &listField)
{
    if (m_ds)
        disconnect(m_ds, nullptr, this, nullptr);
    m_ds = dataset;
    m_keyField = keyField;
    m_listField = listField;
    if (m_ds)
        connect(m_ds, &Dataset::reset, this, &DBLookupComboBox::reload);
    reload();
}

void DBLookupComboBox::reload()
{
    m_loading = true;
    clear();
    if (m_ds && m_ds->active()) {
        const int key = m_ds->fieldIndex(m_keyField), list = m_ds->fieldIndex(m_listField);
        if (key >= 0 && list >= 0) {
            for (int r = 0; r < m_ds->recordCount(); ++r) {
                const QByteArrayView k = m_ds->raw(r, key);
                addItem(m_ds->displayText(r, list), QString::fromUtf8(k.data(), k.size()));
            }
        }
    }
    m_loading = false;
    setKeyValue(m_key);
}

QVariant DBLookupComboBox::keyValue() const
{
    return currentIndex() >= 0 ? itemData(currentIndex()) : QVariant();
}

QString DBLookupComboBox::keyText(const QString &none) const
{
    const QVariant k = keyValue();
    if (!k.isValid())
        return none;
    // Numeric keys arrive as "12" or "12.000000" depending on the column.
    QString t = k.toString();
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    return t;
}

void DBLookupComboBox::setKeyValue(const QVariant &key)
{
    m_key = key;
    int found = -1;
    if (key.isValid() && !key.isNull()) {
        bool numeric = false;
        const double wanted = key.toString().toDouble(&numeric);
        for (int i = 0; i < count() && found < 0; ++i) {
            const QString item = itemData(i).toString();
            if (numeric ? item.toDouble() == wanted : item == key.toString())
                found = i;
        }
    }
    m_loading = true;
    setCurrentIndex(found);
    m_loading = false;
}

namespace {

class WheelStepper final : public QObject
{
public:
    WheelStepper(QObject *parent, QComboBox *combo) : QObject(parent), m_combo(combo) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel && m_combo && m_combo->hasFocus()) {
            const auto *wheel = static_cast<QWheelEvent *>(event);
            const int dy = wheel->angleDelta().y();
            if (dy != 0) {
                QKeyEvent key(QEvent::KeyPress, dy < 0 ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
                QApplication::sendEvent(m_combo, &key);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QComboBox> m_combo;
};

bool allowed(QChar c)
{
    return c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('.');
}

} // namespace

void installWheelStepping(QWidget *window, QComboBox *combo)
{
    auto *stepper = new WheelStepper(window, combo);
    window->installEventFilter(stepper);
    for (QWidget *child : window->findChildren<QWidget *>())
        child->installEventFilter(stepper);
}

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent)
{
    // Pasted text loses its foreign characters too.
    connect(this, &QLineEdit::textEdited, this, &NumberEdit::dropForeign);
}

void NumberEdit::dropForeign(const QString &text)
{
    QString clean;
    for (const QChar c : text)
        if (allowed(c))
            clean += c;
    if (clean != text) {
        const int pos = cursorPosition() - int(text.size() - clean.size());
        setText(clean);
        setCursorPosition(std::max(0, pos));
    }
}

void NumberEdit::keyPressEvent(QKeyEvent *event)
{
    const QString t = event->text();
    const bool printable = !t.isEmpty() && t[0].isPrint();
    if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        for (const QChar c : t)
            if (!allowed(c)) {
                event->accept();
                return;
            }
    }
    QLineEdit::keyPressEvent(event);
}

void NumberEdit::inputMethodEvent(QInputMethodEvent *event)
{
    for (const QChar c : event->commitString())
        if (!allowed(c)) {
            event->accept();
            return;
        }
    QLineEdit::inputMethodEvent(event);
}
