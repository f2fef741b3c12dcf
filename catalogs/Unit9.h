#pragma once

#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm9;
}

// "Ведение оераций": adds or changes one operation type.
class TForm9 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);
    ~TForm9() override;

    // The type being changed (Tag other than 1); the list sets it when it opens the window.
    int EditId = 0;

    void Button1Click();
    void FormActivate() override;

    Ui::TForm9 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm9> m_ui;
};

extern TForm9 *Form9;
