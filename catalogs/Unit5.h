#pragma once

#include "app/Catalog.h"
#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm5;
}

// "Список сотрудников (5)": the employees; also the worker chooser of the shift record entry,
// production requests, purchasing and shipping requests.
class TForm5 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
    ~TForm5() override;

    // What "Выбрать" writes into the opener, by its Tag (11, 43, 61, 68).
    Catalog::ChooseTargets ChooseTargets;
    // 1 when a worker was chosen for the shift record entry (its target sets it); 0 on activation.
    int ChosenFlag = 0;

    // The keeping layout the main menu restores: "Добавить", "Удалить" and the search box shown,
    // Button2 "Изменить".
    void KeepingLayout();
    // What every opener does before showing the list to choose: Tag, "Выбрать" as the default
    // button, "Добавить" and "Удалить" hidden, the search box shown and cleared.
    void ChooseLayout(int tag);

    void Button1Click(); // add
    void Button2Click(); // change, or choose when Tag is not 0
    void Button3Click(); // delete
    void Edit1Change(const QString &text);
    void FormActivate() override;

    Ui::TForm5 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm5> m_ui;
};

extern TForm5 *Form5;
