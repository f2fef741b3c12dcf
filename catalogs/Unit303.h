#pragma once

#include "app/Catalog.h"
#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm303;
}

// "ТМЦ (3)", the reduced item chooser on a query of its own, which its opener may replace before
// showing it. Tag is the number of the opener.
class TForm303 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm303(QWidget *parent = nullptr);
    ~TForm303() override;

    // The chooser's own list of items (every item but the placeholder 0).
    Dataset *inventory_items;

    // What "Выбрать" writes into the opener, by its Tag; registered when the opener's unit lands:
    //   3  process card TForm33: Edit4 := trimmed marka; its source item id := id
    Catalog::ChooseTargets ChooseTargets;

    void Button2Click(); // choose
    void Edit1Change(const QString &text);
    void DBGridEh1TitleClick(int column);
    void FormActivate() override;
    void FormClose() override;

    Ui::TForm303 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm303> m_ui;
};

extern TForm303 *Form303;
