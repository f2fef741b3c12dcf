#pragma once

#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <functional>

// The platform layer: the few services of the desktop that every window uses, each through one
// call that tests can script. Nothing here knows a particular window.
namespace Platform {

enum class Icon
{
    None,
    Error,
    Warning,
    Information,
    Question
};

// A modal message box; returns the button pressed (Escape or the close box give No/Cancel/OK,
// whichever the box has).
QMessageBox::StandardButton messageBox(const QString &text, const QString &caption,
                                       QMessageBox::StandardButtons buttons, Icon icon);

// The message kinds of the program.
void showError(const QString &text);   // "Ошибка", error icon, OK
bool askDelete(const QString &text);   // "Удаление", Yes/No: true for Yes
bool askShortage(const QString &text); // "Запрос", Yes/No: true for Yes
void showNotice(const QString &text);  // "Сообщение", information icon, OK
bool askWarning(const QString &text);  // "Внимание", Yes/No: true for Yes
// The standard box for an error that stopped an action.
void showException(const QString &text);

// Shows a window modally (the windows' ShowModal) and returns its result. The window's
// activation handler runs once it is shown; the opener's runs again when it returns.
int showModal(QDialog *dialog);
// Shows the program's first window (not modal) and runs its activation.
void showMain(QDialog *dialog);
// Runs a window's activation handler (see Forms.h); used when a window is shown or regains focus.
void activate(QDialog *dialog);

// Ends the program: the message loops return and main() exits with 0.
void terminate();
bool terminated();

// Runs a handler: an error raised inside stops it and is shown in the standard box; nothing
// escapes into Qt.
void guard(const std::function<void()> &handler);

// A slot that runs a member handler through guard().
template <class Obj, class... Args> auto handler(Obj *object, void (Obj::*method)(Args...))
{
    return [object, method](Args... args) { guard([&] { (object->*method)(args...); }); };
}

// Test scripting: with testing on, message boxes and modal windows never block. Boxes take the
// answers queued with answerNext() (else their default: Yes/OK, recorded as unscripted);
// modal windows run the script queued for their class (else they return 0 at once, recorded).
namespace Testing {

struct ShownBox
{
    QString text;
    QString caption;
    Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton answer;
    bool scripted;
};

using ModalScript = std::function<void(QDialog *)>;

void setEnabled(bool on);
bool enabled();
// Clears queued answers, scripts and records.
void reset();

void answerNext(QMessageBox::StandardButton answer);
QList<ShownBox> shownBoxes();
// The boxes shown so far, removed from the record.
QList<ShownBox> takeShownBoxes();

// The next time a window of this class (e.g. "TForm71") is shown modally, the script runs with
// the window visible; whatever it clicks runs as in real use. A window the script leaves open is
// closed with result 0 afterwards.
void onModal(const QString &className, ModalScript script);
// Class names of the windows shown modally, in order.
QStringList shownModals();
// Windows shown modally without a script.
QStringList unscriptedModals();

int terminateCount();
// Boxes or windows shown while a transaction was open (the text of each).
QStringList shownInTransaction();

} // namespace Testing
} // namespace Platform
