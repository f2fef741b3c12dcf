#include "app/Unit1.h"

#include "app/Platform.h"
#include "app/Unit23.h"
#include "app/Version.h"
#include "catalogs/Unit26.h"
#include "catalogs/Unit28.h"
#include "catalogs/Unit3.h"
#include "catalogs/Unit30.h"
#include "catalogs/Unit32.h"
#include "catalogs/Unit34.h"
#include "catalogs/Unit35.h"
#include "catalogs/Unit5.h"
#include "catalogs/Unit8.h"
#include "data/Action.h"
#include "data/Unit6.h"
#include "requests/Unit41.h"
#include "technology/Unit4.h"
#include "ui_Unit1.h"
#include "ui_Unit4.h"
#include "ui_Unit41.h"

#include <QApplication>
#include <QMenuBar>
#include <QTimer>

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent) : TFormBase(parent), m_ui(std::make_unique<Ui::TForm1>())
{
    Form1 = this;
    // The data module first (it connects with the built-in account), then the login window.
    if (!DataModule6) {
        DataModule6 = new TDataModule6(qApp);
        DataModule6->connectDesignTime();
    }
    if (!Form23)
        Form23 = new TForm23;

    m_ui->setupUi(this);
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    m_ui->verticalLayout->setMenuBar(MainMenu1);
    buildMenu();
    resize(937, 465 + MainMenu1->sizeHint().height());
    applyConventions();

    // Esc closes the main window through its zero-size cancel button.
    connect(m_ui->Button1, &QPushButton::clicked, this, &QDialog::reject);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(30000);
    connect(Timer1, &QTimer::timeout, this, Platform::handler(this, &TForm1::Timer1Timer));
    Timer1->start();
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

QMenu *TForm1::submenu(const QString &name, const QString &caption, QMenu *parent)
{
    QMenu *menu = parent ? parent->addMenu(caption) : MainMenu1->addMenu(caption);
    menu->setObjectName(name + QStringLiteral("Menu"));
    menu->menuAction()->setObjectName(name);
    m_items.insert(name, menu->menuAction());
    return menu;
}

QAction *TForm1::menuItem(QMenu *menu, const QString &name, const QString &caption, void (TForm1::*slot)())
{
    QAction *a = menu ? menu->addAction(caption) : MainMenu1->addAction(caption);
    a->setObjectName(name);
    m_items.insert(name, a);
    if (slot)
        connect(a, &QAction::triggered, this, Platform::handler(this, slot));
    else
        a->setEnabled(false); // its window is not part of this build yet
    return a;
}

void TForm1::buildMenu()
{
    QMenu *n2 = submenu(QStringLiteral("N2"), QStringLiteral("Справочники"));
    menuItem(n2, QStringLiteral("N19"), QStringLiteral("Подразделения"), &TForm1::N19Click);
    menuItem(n2, QStringLiteral("N1"), QStringLiteral("Персонал"), &TForm1::N1Click);
    menuItem(n2, QStringLiteral("N8"), QStringLiteral("Должности"), &TForm1::N8Click);
    menuItem(n2, QStringLiteral("N21"), QStringLiteral("Роли"), &TForm1::N21Click);
    menuItem(n2, QStringLiteral("N24"), QStringLiteral("Контрагенты"), &TForm1::N24Click);
    n2->addSeparator()->setObjectName(QStringLiteral("N22"));
    menuItem(n2, QStringLiteral("N9"), QStringLiteral("Вид номенклатуры"), &TForm1::N9Click);
    menuItem(n2, QStringLiteral("N3"), QStringLiteral("ТМЦ"), &TForm1::N3Click);
    menuItem(n2, QStringLiteral("N6"), QStringLiteral("Операции"), &TForm1::N6Click);
    menuItem(n2, QStringLiteral("N4"), QStringLiteral("Техпроцессы"), &TForm1::N4Click);
    n2->addSeparator()->setObjectName(QStringLiteral("N23"));
    menuItem(n2, QStringLiteral("N20"), QStringLiteral("Администрарование"), &TForm1::N20Click);

    QMenu *n29 = submenu(QStringLiteral("N29"), QStringLiteral("Снабжение"));
    menuItem(n29, QStringLiteral("N30"), QStringLiteral("Потребность"));
    menuItem(n29, QStringLiteral("N31"), QStringLiteral("Закупка"));

    QMenu *n13 = submenu(QStringLiteral("N13"), QStringLiteral("Склады"));
    menuItem(n13, QStringLiteral("N15"), QStringLiteral("Склад сырья и заготовок"));
    menuItem(n13, QStringLiteral("N14"), QStringLiteral("Склад ГП и заготовок"));
    menuItem(n13, QStringLiteral("N33"), QStringLiteral("Движение"));

    QMenu *n18 = submenu(QStringLiteral("N18"), QStringLiteral("Производство"));
    menuItem(n18, QStringLiteral("N25"), QStringLiteral("Номенклатура"));
    menuItem(n18, QStringLiteral("N26"), QStringLiteral("Заявки")); // always greyed out
    menuItem(n18, QStringLiteral("N27"), QStringLiteral("Табель"));

    QMenu *n16 = submenu(QStringLiteral("N16"), QStringLiteral("Маркетинг"));
    menuItem(n16, QStringLiteral("N17"), QStringLiteral("Заявки в производство"), &TForm1::N17Click);
    menuItem(n16, QStringLiteral("N32"), QStringLiteral("Заявки на отгрузку"));
    menuItem(n16, QStringLiteral("N34"), QStringLiteral("Отгрузки"));

    // Hidden items whose enabled state the login still sets.
    QAction *n11 = new QAction(QStringLiteral("Табель по времени"), MainMenu1);
    n11->setObjectName(QStringLiteral("N11"));
    n11->setVisible(false);
    MainMenu1->addAction(n11);
    m_items.insert(QStringLiteral("N11"), n11);
    QMenu *n7 = submenu(QStringLiteral("N7"), QStringLiteral("Отчеты"));
    n7->menuAction()->setVisible(false);
    menuItem(n7, QStringLiteral("N10"), QStringLiteral("Сводные отчеты"));

    QMenu *n12 = submenu(QStringLiteral("N12"), QStringLiteral("База"));
    menuItem(n12, QStringLiteral("N28"), QStringLiteral("Очистить базу"), &TForm1::N28Click);

    menuItem(nullptr, QStringLiteral("N5"), QStringLiteral("Выход"), &TForm1::N5Click);
}

QAction *TForm1::item(const QString &name) const
{
    return m_items.value(name);
}

bool TForm1::itemEnabled(const QString &name) const
{
    // A hidden action always reports itself disabled, so the rights are kept beside it.
    const QAction *a = item(name);
    return a->isVisible() ? a->isEnabled() : a->property("rightsEnabled").toBool();
}

void TForm1::setItemEnabled(const QString &name, bool enabled)
{
    QAction *a = item(name);
    a->setEnabled(enabled);
    a->setProperty("rightsEnabled", enabled);
}

void TForm1::setMenuRights(bool enabled)
{
    for (const char *name : {"N2", "N11", "N7"})
        setItemEnabled(QLatin1String(name), enabled);
}

void TForm1::restrictForEconom()
{
    setItemEnabled(QStringLiteral("N2"), false);
    setItemEnabled(QStringLiteral("N11"), false);
}

void TForm1::N19Click()
{
    DataModule6->department->open();
    Platform::showModal(Form30);
    DataModule6->department->close();
}

void TForm1::N8Click()
{
    DataModule6->staffpos->open();
    Platform::showModal(Form26);
    DataModule6->staffpos->close();
}

void TForm1::N1Click()
{
    Form5->Tag = 0;
    Form5->KeepingLayout();
    DataModule6->workers->open();
    Platform::showModal(Form5);
    DataModule6->workers->close();
}

void TForm1::N21Click()
{
    DataModule6->role->open();
    Platform::showModal(Form32);
    DataModule6->role->close();
}

void TForm1::N24Click()
{
    Form34->Tag = 0;
    DataModule6->jur_person->open();
    Form34->KeepingLayout();
    // "Заявки" belongs to choosing only.
    Form34->ShowRequestsBox(false);
    Platform::showModal(Form34);
    DataModule6->jur_person->close();
    Form34->ShowRequestsBox(true);
}

void TForm1::N6Click()
{
    Form8->Tag = 0;
    DataModule6->operation_type->open();
    Form8->KeepingLayout();
    Platform::showModal(Form8);
    DataModule6->operation_type->close();
}

void TForm1::N20Click()
{
    Form35->Tag = 0;
    DataModule6->role->open();
    Form35->KeepingLayout();
    Platform::showModal(Form35);
    DataModule6->role->close();
}

void TForm1::N4Click()
{
    Form4->Tag = 0;
    DataModule6->proc_tech->open();
    Form4->ui()->Button1->setVisible(true);
    Form4->ui()->Button3->setVisible(true);
    Platform::showModal(Form4);
    DataModule6->proc_tech->close();
}

void TForm1::N9Click()
{
    DataModule6->nomenclature->open();
    Platform::showModal(Form28);
    DataModule6->nomenclature->close();
}

void TForm1::N3Click()
{
    // Tag 0 with "Добавить" and "Удалить" shown; Button2 back to "Изменить" after a chooser.
    Form3->KeepingLayout();
    Platform::showModal(Form3); // the list opens inventory_items itself
    DataModule6->inventory_items->close();
}

void TForm1::N17Click()
{
    Form41->Tag = 0;
    DataModule6->app_doc->open();
    DataModule6->app_doc->setSort(QStringLiteral("d_date DESC, s_person_caption ASC"));
    Form41->ui()->Button1->setVisible(true);
    Form41->ui()->Button3->setVisible(true);
    Platform::showModal(Form41);
    DataModule6->app_doc->close();
    DataModule6->stock->close();
}

void TForm1::N5Click()
{
    reject();
}

void TForm1::N28Click()
{
    if (Platform::messageBox(QStringLiteral("Очистить базу?"), QStringLiteral("Ошибка"),
                             QMessageBox::Yes | QMessageBox::No, Platform::Icon::Error) != QMessageBox::Yes)
        return;
    Dataset *control = DataModule6->Control;
    control->close();
    control->clearSql();
    control->addSql(QStringLiteral("SELECT truncate_tables('mnf_app');"));
    control->addSql(QStringLiteral(
        "truncate table mnf_proc_tech.tp_operation;truncate table accounts_dep.smena;truncate table "
        "accounts_dep.h_tabel;truncate table accounts_dep.person_temp;SELECT "
        "truncate_tables('stk_stocks');SELECT "
        "truncate_tables('stk_purchase');update cmn_inventory_items.inventory_items set cost_price =0;"));
    // All of it or nothing: a refused statement leaves the database whole and the program running.
    Action action(DataModule6->ADO_DB);
    control->open();
    control->close();
    action.commit();
    Platform::terminate();
}

void TForm1::Timer1Timer()
{
    CheckVersion();
}
