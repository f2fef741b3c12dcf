#pragma once

#include "app/Forms.h"

#include <QHash>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QTimer;

namespace Ui {
class TForm1;
}

// The main window: the company picture and the menu from which every working window opens.
class TForm1 final : public TFormBase
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The build stamp, as the last version check computed it.
    int BuildDate = 0;
    int BuildTime = 0;

    QTimer *Timer1;
    QMenuBar *MainMenu1;

    // A menu item or submenu by its component name ("N2", "N28").
    QAction *item(const QString &name) const;

    // Whether an item is enabled; for hidden items, whether the rights left it enabled.
    bool itemEnabled(const QString &name) const;
    void setItemEnabled(const QString &name, bool enabled);

    // Rights by login name: "Справочники", "Табель по времени", "Отчеты".
    void setMenuRights(bool enabled);
    void restrictForEconom();

    void N19Click(); // Подразделения
    void N8Click();  // Должности
    void N4Click();  // Техпроцессы
    void N9Click();  // Вид номенклатуры
    void N3Click();  // ТМЦ
    void N1Click();  // Персонал
    void N21Click(); // Роли
    void N24Click(); // Контрагенты
    void N6Click();  // Операции
    void N20Click(); // Администрарование
    void N17Click(); // Заявки в производство
    void N5Click();
    void N28Click();
    void Timer1Timer();

    Ui::TForm1 *ui() const { return m_ui.get(); }

private:
    void buildMenu();
    QMenu *submenu(const QString &name, const QString &caption, QMenu *parent = nullptr);
    QAction *menuItem(QMenu *menu, const QString &name, const QString &caption,
                      void (TForm1::*slot)() = nullptr);

    std::unique_ptr<Ui::TForm1> m_ui;
    QHash<QString, QAction *> m_items;
};

extern TForm1 *Form1;
