#pragma once

#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm31;
}

// "Ведение подразделений (31)": adds or changes one department.
class TForm31 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm31(QWidget *parent = nullptr);
    ~TForm31() override;

    // The department being changed (Tag other than 1); the list sets it when it opens the window.
    int EditId = 0;
    // Departments for the parent look-up.
    Dataset *cb_department;

    void Button1Click();
    void CheckBox1Click(bool checked);
    void FormClose() override;

    Ui::TForm31 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm31> m_ui;
};

extern TForm31 *Form31;
