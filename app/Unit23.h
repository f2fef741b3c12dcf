#pragma once

#include "app/Forms.h"

#include <QStringList>
#include <QTimer>
#include <memory>

namespace Ui {
class TForm23;
}

// "Авторизация": the first window and the program's main form. It logs the user in, connects the
// shared connection with the user's own account and runs the main window.
class TForm23 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm23(QWidget *parent = nullptr);
    ~TForm23() override;

    void FormActivate() override;

    // The program's arguments (without the program name): server and database, or a data source.
    QStringList Arguments;
    QTimer *Timer1;

    void Button1Click();
    void Button2Click();
    void ComboBox1Change(int index);
    void Timer1Timer();

    Ui::TForm23 *ui() const { return m_ui.get(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void applyRights(const QString &login);
    std::unique_ptr<Ui::TForm23> m_ui;
};

extern TForm23 *Form23;
