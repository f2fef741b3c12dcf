#pragma once

#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm42;
}

// "Ведение данных (42)": the lines of one request, one row per item, colour and price.
class TForm42 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm42(QWidget *parent = nullptr);
    ~TForm42() override;

    // The request shown; the opener sets it.
    int RequestId = 0;
    // The request's lines grouped by item, colour and price (parameter id_app_doc).
    Dataset *app_spec;
    // The highest state of the lines of one item and colour (id_ii, id_ral, id_app_doc).
    Dataset *in_work;
    // The lines of one item and colour with the item's paint flag, for a change.
    Dataset *group_lines;

    void Button1Click(); // add a line
    void Button2Click(); // change a line
    void Button3Click(); // delete a line
    void FormShow() override;

    Ui::TForm42 *ui() const { return m_ui.get(); }

private:
    // The current group still wholly in state 0 "Оформление"; else the message, false.
    bool groupIsDrawnUp(const QString &refusal);
    int highestState(int item, int colour);
    void showHeader();

    std::unique_ptr<Ui::TForm42> m_ui;
};

extern TForm42 *Form42;
