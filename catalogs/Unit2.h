#pragma once

#include "app/Forms.h"

#include <memory>

class Command;
class Dataset;

namespace Ui {
class TForm2;
}

// "Работники": adds or changes one employee (the list sets the caption).
class TForm2 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // The person being changed (Tag 2); the list sets it when it opens the window.
    int EditId = 0;
    // The look-up tables: positions, departments, roles.
    Dataset *staffpos;
    Dataset *department;
    Dataset *roles;
    // Runs this window's statements and the list's delete.
    Command *cmd_person;

    void Button1Click();
    void FormActivate() override;
    void FormClose() override;

    Ui::TForm2 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm2> m_ui;
};

extern TForm2 *Form2;
