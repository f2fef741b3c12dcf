#pragma once

#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm32;
}

// "Роли": the plain roles list with a search; roles are kept in the administration window.
class TForm32 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm32(QWidget *parent = nullptr);
    ~TForm32() override;

    void Edit1Change(const QString &text);

    Ui::TForm32 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm32> m_ui;
};

extern TForm32 *Form32;
