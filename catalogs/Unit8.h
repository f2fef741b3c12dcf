#pragma once

#include "app/Catalog.h"
#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm8;
}

// "Операции": the operation types; also the type chooser of the operation card.
class TForm8 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);
    ~TForm8() override;

    // What "Изменить" writes into the opener when Tag is not 0 (the operation card sets 1).
    Catalog::ChooseTargets ChooseTargets;

    // What the main menu restores: "Добавить", "Удалить" and the search box shown.
    void KeepingLayout();

    void Button1Click(); // add
    void Button2Click(); // change, or choose when Tag is not 0
    void Button3Click(); // delete
    void Edit1Change(const QString &text);
    void FormActivate() override;

    Ui::TForm8 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm8> m_ui;
};

extern TForm8 *Form8;
