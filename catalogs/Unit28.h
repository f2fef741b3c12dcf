#pragma once

#include "app/Forms.h"

#include <memory>

namespace Ui {
class TForm28;
}

// "Номенклатура": the nomenclature kinds on the shared nomenclature, which the opener opens.
class TForm28 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm28(QWidget *parent = nullptr);
    ~TForm28() override;

    void Button5Click(); // add
    void Button2Click(); // change
    void Button3Click(); // delete
    void Edit1Change(const QString &text);
    // The third column's cell button: the items of the kind, new ones preset to it.
    void DBGridEh1Columns2CellButtons0Click();

    Ui::TForm28 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm28> m_ui;
};

extern TForm28 *Form28;
