#pragma once

#include "app/Forms.h"

#include <QString>
#include <memory>

namespace Ui {
class TForm4;
}

// "Техпроцессы (4)": the technological processes; Tag 0 shows all of them, Tag 2 one item's.
class TForm4 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
    ~TForm4() override;

    // The item whose processes are shown with Tag 2.
    int ItemId = 0;
    QString ItemName;

    void FormActivate() override;
    void Button1Click(); // add
    void Button2Click(); // change
    void Button3Click(); // delete
    void Edit1Change(const QString &text);
    void DBGrid1TitleClick(int column);

    Ui::TForm4 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm4> m_ui;
};

extern TForm4 *Form4;
