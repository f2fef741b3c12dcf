#pragma once

#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm7;
}

// "Ведение (7)": adds or changes one inventory item.
class TForm7 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);
    ~TForm7() override;

    // The item being changed (Tag other than 1); the list sets it when it opens the window, so a
    // refresh of the list while the window is open cannot redirect the write.
    int EditId = 0;

    // The window's own look-up tables; the item list opens them before showing the window and
    // closes them afterwards.
    Dataset *nomenclature;    // cmn_inventory_items.nomenclature, by s_caption
    Dataset *operation_state; // cmn_inventory_items.ii_type (the item types)
    Dataset *msm;             // cmn_msm.msm

    void Button1Click();
    void FormActivate() override;
    void FormClose() override;

    Ui::TForm7 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm7> m_ui;
};

extern TForm7 *Form7;
