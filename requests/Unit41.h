#pragma once

#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm41;
}

// "Заявки в производство (41)": the register of customer requests on the shared app_doc.
class TForm41 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm41(QWidget *parent = nullptr);
    ~TForm41() override;

    // Lines of a request that are no longer being drawn up (parameter id_app_doc).
    Dataset *cnt_order_in;

    void Button1Click(); // add
    void Button2Click(); // change
    void Button3Click(); // delete
    // The lines of the current request (also the last column's cell button).
    void DBGridEh1DblClick();

    Ui::TForm41 *ui() const { return m_ui.get(); }

private:
    int acceptedLines(int request);

    std::unique_ptr<Ui::TForm41> m_ui;
};

extern TForm41 *Form41;
