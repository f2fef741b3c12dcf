#pragma once

#include "app/Catalog.h"
#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm3;
}

// "ТМЦ (3)": the inventory item catalog on the shared inventory_items, which the window opens on
// activation and closes when it closes. Tag 0 keeps the catalog; any other Tag is the number of
// the window that opened it to choose an item.
class TForm3 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
    ~TForm3() override;

    // The nomenclature kind new items get (-1 = none); set by the kinds list's cell button,
    // back to -1 whenever the list closes.
    int PresetNomenclature = -1;

    // What "Выбрать" writes into the opener, by its Tag; each opener registers its target when
    // its unit lands:
    //   3  process card TForm33, source item: Edit4 := trimmed marka; its source item id := id
    //   33 process card TForm33, item made: Edit2 and Edit3 := trimmed marka; its item id := id
    //   4  receipt order line TForm40: Edit2 := trimmed marka; its item id := id; its unit id :=
    //      id_msm; Label5 := trimmed s_identification
    //   44 production request line TForm44: Edit2 := trimmed marka; its item id := id; Label2 :=
    //      s_identification; its paint flag := ral as 0/1; its source item id := id_gds. The list
    //      itself refuses an item without a process for 44 ("Техпроцесс не найден!").
    //   63 purchase request line TForm63: as 44, without the process check
    Catalog::ChooseTargets ChooseTargets;
    // Counts the processes of an item for Tag 44 (parameter id_ii).
    Dataset *pt_cnt;

    // The keeping layout the openers restore: Tag 0, "Добавить", "Удалить" and the search box
    // shown, Button2 "Изменить".
    void KeepingLayout();
    // What every opener does before showing the list to choose: Tag, "Выбрать" as the default
    // button, "Добавить" and "Удалить" hidden, the search box shown and cleared.
    void ChooseLayout(int tag);

    void Button1Click(); // add
    void Button2Click(); // change, or choose when Tag is not 0
    void Button3Click(); // delete
    void Edit1Change(const QString &text);
    void DBGridEh1TitleClick(int column);
    // The last column's cell button: the technological processes of the item in TForm4.
    void DBGridEh1Columns9CellButtons0Click();
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;

    Ui::TForm3 *ui() const { return m_ui.get(); }

private:
    void choose();

    std::unique_ptr<Ui::TForm3> m_ui;
    bool m_sortOnActivate = true;
};

extern TForm3 *Form3;
