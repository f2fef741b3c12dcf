#pragma once

#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm44;
}

// "Ведение данных (44)": one request line. Tag 1 = new line, 0 = change of the line EditId.
class TForm44 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm44(QWidget *parent = nullptr);
    ~TForm44() override;

    // The request the line belongs to, and the line being changed (Tag 0).
    int RequestId = 0;
    int EditId = 0;
    // The chosen item, the source item of its process, its paint flag.
    int ItemId = 0;
    int SourceId = 0;
    bool Painted = false;
    // The colour written by the last "Записать" (0 for an unpainted item).
    int RalId = 0;

    // RAL paints (items of type 3) for LCB_ral.
    Dataset *ral;
    // The chosen item's cost price with and without VAT (parameter id_ii).
    Dataset *cost_price;
    // Lines of the request with that item and colour (id_ii, id_app_doc, id_ral).
    Dataset *cnt_ii;
    // The line being changed, locked while it is rewritten (parameter id).
    Dataset *edit_line;

    void Button1Click(); // write
    void Button5Click(); // choose the item
    // Shows the cost price of the chosen item.
    void openCostPrice();
    void FormClose() override;

    Ui::TForm44 *ui() const { return m_ui.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::TForm44> m_ui;
};

extern TForm44 *Form44;
