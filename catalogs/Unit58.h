#pragma once

#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm58;
}

// "Ведение ролей (58)": adds (Tag 0) or changes (Tag 1) one role.
class TForm58 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm58(QWidget *parent = nullptr);
    ~TForm58() override;

    // The role being changed (Tag 1); the list sets it when it opens the window.
    int EditId = 0;

    void Button5Click();

    Ui::TForm58 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm58> m_ui;
};

extern TForm58 *Form58;
