#pragma once

#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm27;
}

// "Ведение должностей": adds or changes one staff position.
class TForm27 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm27(QWidget *parent = nullptr);
    ~TForm27() override;

    // The position being changed (Tag other than 1).
    int EditId = 0;
    Dataset *cb_department;

    void Button1Click();
    void FormClose() override;

    Ui::TForm27 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm27> m_ui;
};

extern TForm27 *Form27;
