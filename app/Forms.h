#pragma once

#include <QDialog>

// The base of every window: the conventions all windows share (icon "Icon_1", a single fixed
// border, no minimise or maximise box), the mode number Tag set by openers, and the activation
// and show handlers the platform layer runs.
class TFormBase : public QDialog
{
    Q_OBJECT
public:
    explicit TFormBase(QWidget *parent = nullptr);

    // The mode an opener sets before showing the window (0 = opened from the menu).
    int Tag = 0;

    // Runs when the window is shown and each time it becomes active again after a window it
    // opened has closed.
    virtual void FormActivate() {}
    // Runs each time the window is shown, before FormActivate.
    virtual void FormShow() {}
    // Runs each time the window closes (is hidden).
    virtual void FormClose() {}

protected:
    // Call at the end of the constructor, after setupUi: fixes the size the form was designed with.
    void applyConventions();
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

// The window icon of every window, from the resources.
QIcon formIcon();
