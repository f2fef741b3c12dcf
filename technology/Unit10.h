#pragma once

#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm10;
}

// "Операция (10)": one operation of the process open in the card. Tag 1 = new, 0 = change.
class TForm10 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);
    ~TForm10() override;

    int TypeId = 0; // the chosen operation type
    int EditId = 0; // the operation being changed

    Dataset *operation_state;
    // The next free "№ по порядку" of the process.
    Dataset *max_num;

    void FormActivate() override;
    void Button1Click(); // "Записать"
    void Button4Click(); // choose the operation type

    Ui::TForm10 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm10> m_ui;
};

extern TForm10 *Form10;
