#pragma once

#include "app/Forms.h"

#include <QString>
#include <memory>

class Dataset;

namespace Ui {
class TForm33;
}

// "Список операций (33)": the card of one process: its header (item, name, source item) and its
// ordered, priced operations. Tag 1 = new process, 11 = new process for a preset item, 0 = existing.
class TForm33 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm33(QWidget *parent = nullptr);
    ~TForm33() override;

    int ProcId = 0; // 0 until a new process is saved
    int ItemId = 0;
    int GdsId = 0;

    // "select sum(o.price) ..." of the process: the "Итого:" line.
    Dataset *full_price;
    // The id of the process this session has just inserted.
    Dataset *max_id_pt;

    // The header as last saved or loaded; the card compares against it.
    void remember(const QString &item, const QString &name, const QString &gds);
    // Operation buttons and "Сохранить и выйти" (off until a new process is saved).
    void setOperationsEnabled(bool on);

    void Button1Click(); // add operation
    void Button2Click(); // change operation
    void Button3Click(); // delete operation
    void Button4Click(); // save and leave
    void Button5Click(); // choose the item
    void Button6Click(); // save the header
    void Button7Click(); // choose the source item

    Ui::TForm33 *ui() const { return m_ui.get(); }

private:
    void saveHeader();
    void showTotal();

    std::unique_ptr<Ui::TForm33> m_ui;
    QString m_item, m_name, m_gds;
    int m_itemId = 0, m_gdsId = 0;
};

extern TForm33 *Form33;
