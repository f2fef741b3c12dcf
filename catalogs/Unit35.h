#pragma once

#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm35;
}

// "Роли" (administration): the roles with their activation dates; adds and changes them.
class TForm35 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm35(QWidget *parent = nullptr);
    ~TForm35() override;

    // What the main menu restores: "Добавить" and "Удалить" shown.
    void KeepingLayout();

    void Button1Click(); // add
    void Button2Click(); // change
    void FormActivate() override;
    void FormClose() override;

    Ui::TForm35 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm35> m_ui;
};

extern TForm35 *Form35;
