#include "app/Platform.h"

#include "app/Forms.h"
#include "data/DbError.h"
#include "data/Unit6.h"

#include <QApplication>
#include <QPointer>
#include <QQueue>
#include <QTimer>

namespace Platform {
namespace {

struct State
{
    bool testing = false;
    QQueue<QMessageBox::StandardButton> answers;
    QList<Testing::ShownBox> boxes;
    QList<QPair<QString, Testing::ModalScript>> scripts;
    QStringList modals;
    QStringList unscripted;
    QStringList inTransaction;
    QList<QPointer<QDialog>> modalStack;
    int terminations = 0;
    bool terminated = false;
};

State &state()
{
    static State s;
    return s;
}

void checkTransaction(const QString &what)
{
    if (DataModule6 && DataModule6->ADO_DB->inTransaction()) {
        state().inTransaction << what;
        qWarning("shown while a transaction is open: %s", qPrintable(what));
    }
}

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton defaultButton(QMessageBox::StandardButtons buttons)
{
    for (QMessageBox::StandardButton b :
         {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No, QMessageBox::Cancel})
        if (buttons & b)
            return b;
    return QMessageBox::Ok;
}

QMessageBox::StandardButton escapeButton(QMessageBox::StandardButtons buttons)
{
    for (QMessageBox::StandardButton b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
        if (buttons & b)
            return b;
    return QMessageBox::Ok;
}

QWidget *topWindow()
{
    State &s = state();
    for (qsizetype i = s.modalStack.size() - 1; i >= 0; --i)
        if (s.modalStack[i])
            return s.modalStack[i];
    return QApplication::activeWindow();
}

} // namespace

QMessageBox::StandardButton messageBox(const QString &text, const QString &caption,
                                       QMessageBox::StandardButtons buttons, Icon icon)
{
    State &s = state();
    checkTransaction(text);
    if (s.testing) {
        const bool scripted = !s.answers.isEmpty();
        const QMessageBox::StandardButton answer = scripted ? s.answers.dequeue() : defaultButton(buttons);
        s.boxes.push_back({text, caption, icon, buttons, answer, scripted});
        return answer;
    }
    if (s.terminated)
        return escapeButton(buttons);
    QMessageBox box(qtIcon(icon), caption, text, buttons, topWindow());
    box.setDefaultButton(defaultButton(buttons));
    box.setEscapeButton(escapeButton(buttons));
    const int r = box.exec();
    if (r == 0 || !(buttons & QMessageBox::StandardButton(r)))
        return escapeButton(buttons);
    return QMessageBox::StandardButton(r);
}

void showError(const QString &text)
{
    messageBox(text, QStringLiteral("Ошибка"), QMessageBox::Ok, Icon::Error);
}

bool askDelete(const QString &text)
{
    return messageBox(text, QStringLiteral("Удаление"), QMessageBox::Yes | QMessageBox::No, Icon::Question) ==
           QMessageBox::Yes;
}

bool askShortage(const QString &text)
{
    return messageBox(text, QStringLiteral("Запрос"), QMessageBox::Yes | QMessageBox::No, Icon::Question) ==
           QMessageBox::Yes;
}

void showNotice(const QString &text)
{
    messageBox(text, QStringLiteral("Сообщение"), QMessageBox::Ok, Icon::Information);
}

bool askWarning(const QString &text)
{
    return messageBox(text, QStringLiteral("Внимание"), QMessageBox::Yes | QMessageBox::No, Icon::Warning) ==
           QMessageBox::Yes;
}

void showException(const QString &text)
{
    messageBox(text, QStringLiteral("ZEMRA.ERP"), QMessageBox::Ok, Icon::Error);
}

void activate(QDialog *dialog)
{
    if (auto *form = qobject_cast<TFormBase *>(dialog))
        guard([form] { form->FormActivate(); });
}

int showModal(QDialog *dialog)
{
    State &s = state();
    const QString cls = QString::fromLatin1(dialog->metaObject()->className());
    checkTransaction(cls);
    s.modals << cls;
    QPointer<QDialog> opener = qobject_cast<QDialog *>(topWindow());
    s.modalStack.push_back(dialog);
    int result = 0;
    if (s.testing) {
        Testing::ModalScript script;
        for (qsizetype i = 0; i < s.scripts.size(); ++i) {
            if (s.scripts[i].first == cls) {
                script = s.scripts.takeAt(i).second;
                break;
            }
        }
        dialog->setResult(0);
        dialog->show();
        activate(dialog);
        if (script)
            script(dialog);
        else
            s.unscripted << cls;
        if (dialog->isVisible()) {
            dialog->setResult(0);
            dialog->hide();
        }
        result = dialog->result();
    } else if (!s.terminated) {
        QTimer::singleShot(0, dialog, [dialog] { activate(dialog); });
        result = dialog->exec();
    }
    s.modalStack.removeAll(dialog);
    s.modalStack.removeAll(nullptr);
    if (opener && opener->isVisible() && !s.terminated)
        activate(opener);
    return result;
}

void showMain(QDialog *dialog)
{
    dialog->show();
    if (state().testing)
        activate(dialog);
    else
        QTimer::singleShot(0, dialog, [dialog] { activate(dialog); });
}

void terminate()
{
    State &s = state();
    ++s.terminations;
    if (s.testing)
        return;
    s.terminated = true;
    // Every running loop (modal windows included) returns; later ones return at once.
    QCoreApplication::exit(0);
}

bool terminated()
{
    return state().terminated;
}

void guard(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const DbError &e) {
        showException(e.text());
    } catch (const InputError &e) {
        showError(e.text());
    } catch (const std::exception &e) {
        showException(QString::fromUtf8(e.what()));
    } catch (...) {
        showException(QString());
    }
}

namespace Testing {

void setEnabled(bool on)
{
    state().testing = on;
}

bool enabled()
{
    return state().testing;
}

void reset()
{
    State &s = state();
    s.answers.clear();
    s.boxes.clear();
    s.scripts.clear();
    s.modals.clear();
    s.unscripted.clear();
    s.inTransaction.clear();
    s.terminations = 0;
}

void answerNext(QMessageBox::StandardButton answer)
{
    state().answers.enqueue(answer);
}

QList<ShownBox> shownBoxes()
{
    return state().boxes;
}

QList<ShownBox> takeShownBoxes()
{
    return std::exchange(state().boxes, {});
}

void onModal(const QString &className, ModalScript script)
{
    state().scripts.push_back({className, std::move(script)});
}

QStringList shownModals()
{
    return state().modals;
}

QStringList unscriptedModals()
{
    return state().unscripted;
}

int terminateCount()
{
    return state().terminations;
}

QStringList shownInTransaction()
{
    return state().inTransaction;
}

} // namespace Testing
} // namespace Platform
