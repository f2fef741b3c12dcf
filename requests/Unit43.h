#pragma once

#include "app/Forms.h"

#include <memory>

class Dataset;

namespace Ui {
class TForm43;
}

// "Ведение данных (43)": the header of a production request. Tag 1 = new request, 0 = change.
class TForm43 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm43(QWidget *parent = nullptr);
    ~TForm43() override;

    // The request being changed (Tag 0); the register sets it.
    int EditId = 0;
    // The chosen customer (cmn_contractor.jur_person) and employee (cmn_contractor.person).
    int JurPersonId = 0;
    int PersonId = 0;
    // The key of the request just inserted.
    Dataset *new_id;

    void Button1Click(); // write
    void Button3Click(); // choose the customer
    void Button5Click(); // choose the employee

    Ui::TForm43 *ui() const { return m_ui.get(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::TForm43> m_ui;
};

extern TForm43 *Form43;
