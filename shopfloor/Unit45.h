#pragma once

#include "app/Forms.h"

#include <QString>
#include <memory>

namespace Ui {
class TForm45;
}

// "Производство (45)": the daily log of shift work records. It also holds the login record and
// the shift being viewed, which other windows read.
class TForm45 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm45(QWidget *parent = nullptr);
    ~TForm45() override;

    QString LoginName;
    QString LoginPassword;
    int CurrentShift = 1;

    // Rights by login name: "Добавить"/"Изменить"/"Удалить" and "Принять".
    void setLogRights(bool edit, bool accept);
    // The economist only looks: the log's controls that change or switch what is shown go grey.
    void restrictForEconom();

    Ui::TForm45 *ui() const { return m_ui.get(); }

private:
    std::unique_ptr<Ui::TForm45> m_ui;
};

extern TForm45 *Form45;
