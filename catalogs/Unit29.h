#pragma once

#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm29;
}

// "Номенклатура": adds or changes one nomenclature kind.
class TForm29 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm29(QWidget *parent = nullptr);
    ~TForm29() override;

    // The kind being changed (Tag other than 1), remembered when the window was opened.
    int EditId = 0;
    // Departments for the warehouse look-up.
    Dataset *cb_department;

    void Button1Click();
    void FormClose() override;

    Ui::TForm29 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm29> m_ui;
};

extern TForm29 *Form29;
