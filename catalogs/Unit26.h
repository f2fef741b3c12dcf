#pragma once

#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm26;
}

// "Должности": the staff positions.
class TForm26 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm26(QWidget *parent = nullptr);
    ~TForm26() override;

    void Button1Click(); // add
    void Button2Click(); // change
    void Button3Click(); // delete
    void Edit1Change(const QString &text);

    Ui::TForm26 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm26> m_ui;
};

extern TForm26 *Form26;
