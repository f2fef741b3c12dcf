#pragma once

#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm30;
}

// "Подразделения (30)": the departments, which also mark the warehouses and their kind.
class TForm30 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm30(QWidget *parent = nullptr);
    ~TForm30() override;

    void Button5Click(); // add
    void Button2Click(); // change
    void Button3Click(); // delete
    void Edit1Change(const QString &text);

    Ui::TForm30 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm30> m_ui;
};

extern TForm30 *Form30;
