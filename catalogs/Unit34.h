#pragma once

#include "app/Catalog.h"
#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm34;
}

// "Контрагенты (34)": the contractors; also the contractor chooser of production requests, receipt
// orders, purchase requests, shipping requests and the purchase documents list.
class TForm34 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm34(QWidget *parent = nullptr);
    ~TForm34() override;

    // What "Выбрать" writes into the opener, by its Tag (39, 43, 60, 61, 68).
    Catalog::ChooseTargets ChooseTargets;

    // The selection of jur_person: every contractor by name, or only those with purchase documents.
    static QString AllSql();
    static QString WithPurchasesSql();

    // The keeping layout the main menu restores (see TForm5::KeepingLayout).
    void KeepingLayout();
    // What every opener does before showing the list to choose (see TForm5::ChooseLayout).
    void ChooseLayout(int tag);
    // "Заявки" (CheckBox1) is offered only while choosing.
    void ShowRequestsBox(bool visible);

    void Button1Click(); // add
    void Button2Click(); // change, or choose when Tag is not 0
    void Button3Click(); // delete
    void CheckBox1Click(bool checked);
    void Edit1Change(const QString &text);
    void FormClose() override;

    Ui::TForm34 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm34> m_ui;
};

extern TForm34 *Form34;
