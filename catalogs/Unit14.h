#pragma once

#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm14;
}

// "Ведение контрагентов": adds or changes one contractor.
class TForm14 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm14(QWidget *parent = nullptr);
    ~TForm14() override;

    // The contractor being changed (Tag 0); the list sets it when it opens the window.
    int EditId = 0;

    void Button5Click();

    Ui::TForm14 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm14> m_ui;
};

extern TForm14 *Form14;
