// The login window and the main window: connection modes, rights by login name, the menu,
// "Очистить базу".
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "shopfloor/Unit45.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit1.h"
#include "ui_Unit23.h"
#include "ui_Unit45.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using Platform::Testing::ShownBox;

namespace {

struct Seen
{
    QString caption;
    bool connected = false;
    bool native = false;
    QString user;
    QString currentUser;
};

// Logs in with the given texts; while the main window is shown, records what it sees and closes it.
Seen login(const QStringList &arguments, const QString &name, const QString &password,
           const std::function<void()> &whileShown = {})
{
    Seen seen;
    Form23->Arguments = arguments;
    Form23->show();
    Platform::activate(Form23);
    Form23->ui()->Edit1->setText(name);
    Form23->ui()->Edit2->setText(password);
    Platform::Testing::onModal(QStringLiteral("TForm1"), [&](QDialog *main) {
        seen.caption = main->windowTitle();
        seen.connected = DataModule6->ADO_DB->connected();
        seen.native = DataModule6->ADO_DB->native();
        seen.currentUser = Fixture::scalar(QStringLiteral("select current_user")).toString();
        if (whileShown)
            whileShown();
        main->reject();
    });
    QTest::mouseClick(Form23->ui()->Button1, Qt::LeftButton);
    return seen;
}

QString directArg()
{
    return Fixture::host();
}

} // namespace

class TestLogin final : public DbTestCase
{
    Q_OBJECT
private:
    void loadDemo() { Fixture::loadDemo(); }

private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        new TForm1;
        Form45 = new TForm45;
        // Roles only these cases use: a capitalised "Sys" and a password full of separators.
        Fixture::ensureLoginRole(QStringLiteral("Sys"), QStringLiteral("Sys"));
        Fixture::ensureLoginRole(QStringLiteral("semi;user"), QStringLiteral("a;b}c{d=e"));
        Fixture::ensureLoginRole(QStringLiteral("semi_pw"), QStringLiteral("a;b}c{d=e"));
    }

    void init() { DbTestCase::init(); }

    void noArgumentsUsesTheDataSource()
    {
        Fixture::registerOdbcDataSource(QStringLiteral("zemra_erp_dev"));
        const Seen seen = login({}, QString(), QStringLiteral("8093"));
        QCOMPARE(seen.caption, QStringLiteral("ZEMRA.ERP (Data Source: zemra_erp_dev)"));
        QVERIFY(seen.connected);
        QVERIFY(!seen.native);
        QCOMPARE(seen.currentUser, QStringLiteral("sys")); // the preset password logs in as sys
        QCOMPARE(Form45->LoginName, QStringLiteral("sys"));
        QCOMPARE(Form45->LoginPassword, QStringLiteral("vexmolb"));
        QCOMPARE(Form45->CurrentShift, 1);
        QCOMPARE(DataModule6->Smena1->param(QStringLiteral("OK")).toString(), QStringLiteral("ta"));
        QCOMPARE(DataModule6->Smena4->param(QStringLiteral("ok")).toString(), QStringLiteral("ta"));
        // The main window returned: the login window closed and the program ends.
        QVERIFY(!Form23->isVisible());
        QCOMPARE(Platform::Testing::terminateCount(), 1);
        QVERIFY(Form23->windowTitle().startsWith(QStringLiteral("Авторизация (build: ")));
    }

    void oneArgumentIsADataSource()
    {
        Fixture::registerOdbcDataSource(QStringLiteral("other_dsn"));
        const Seen seen =
            login({QStringLiteral("other_dsn")}, QStringLiteral("planner1"), QStringLiteral("planner1"));
        QCOMPARE(seen.caption, QStringLiteral("ZEMRA.ERP (Data Source: other_dsn)"));
        QCOMPARE(seen.currentUser, QStringLiteral("planner1"));
    }

    void twoArgumentsConnectDirectly()
    {
        const QStringList args{directArg(), Fixture::database()};
        const Seen seen = login(args, QStringLiteral(" planner2 "), QStringLiteral(" planner2 "));
        QCOMPARE(Form23->ui()->Label3->text(),
                 QStringLiteral("Сервер: ") + args[0] + QStringLiteral(", БД: ") + args[1]);
        QCOMPARE(seen.caption,
                 QStringLiteral("ZEMRA.ERP (сервер: ") + args[0] + QStringLiteral(", БД: ") + args[1] + ")");
        QVERIFY(seen.native);
        QCOMPARE(seen.currentUser, QStringLiteral("planner2"));
        QCOMPARE(Form45->LoginName, QStringLiteral("planner2"));
        QVERIFY(DataModule6->ADO_DB->connectionString().startsWith(
            QStringLiteral("DRIVER={PostgreSQL UNICODE};DATABASE=") + args[1] + QStringLiteral(";SERVER=") +
            args[0] + QStringLiteral(";PORT=5432;UID=")));
        QVERIFY(DataModule6->ADO_DB->connectionString().contains(QStringLiteral(";SSLmode=allow;")));
    }

    void rightsByLoginName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("logEdit");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("menus");
        QTest::addColumn<bool>("econom");
        QTest::newRow("planner1") << "planner1" << false << true << false << false;
        QTest::newRow("planner2 with blanks") << " planner2 " << false << true << false << false;
        QTest::newRow("planner3") << "planner3" << false << true << false << false;
        QTest::newRow("sys") << "sys" << true << true << true << false;
        QTest::newRow("senior1") << "senior1" << true << true << true << false;
        QTest::newRow("Sys is another name") << "Sys" << true << false << true << false;
        QTest::newRow("econom") << "econom" << false << false << true << true;
    }
    void rightsByLoginName()
    {
        QFETCH(QString, name);
        QFETCH(bool, logEdit);
        QFETCH(bool, accept);
        QFETCH(bool, menus);
        QFETCH(bool, econom);
        const QString password =
            name.trimmed() == QLatin1String("sys") ? QStringLiteral("vexmolb") : name.trimmed();
        bool n2 = false, n7 = false, n11 = false, n26 = true;
        const Seen seen = login({directArg(), Fixture::database()}, name, password, [&] {
            n2 = Form1->itemEnabled(QStringLiteral("N2"));
            n7 = Form1->itemEnabled(QStringLiteral("N7"));
            n11 = Form1->itemEnabled(QStringLiteral("N11"));
            n26 = Form1->itemEnabled(QStringLiteral("N26"));
        });
        QCOMPARE(seen.currentUser, name.trimmed());
        Ui::TForm45 *log = Form45->ui();
        QCOMPARE(log->Button1->isEnabled(), logEdit);
        QCOMPARE(log->Button2->isEnabled(), logEdit);
        QCOMPARE(log->Button3->isEnabled(), logEdit);
        QCOMPARE(log->Button5->isEnabled(), accept);
        QCOMPARE(n2, menus && !econom);
        QCOMPARE(n11, menus && !econom);
        QCOMPARE(n7, menus);
        QVERIFY(!n26); // "Заявки" is always greyed out
        for (QWidget *w : std::initializer_list<QWidget *>{log->RadioButton1, log->RadioButton4, log->CBox1,
                                                           log->Button8, log->DBGrid2, log->DateT})
            QCOMPARE(w->isEnabled(), !econom);
        // Visibility stays the windows' own.
        QVERIFY(Form1->item(QStringLiteral("N11"))->isVisible() == false);
        QVERIFY(Form1->item(QStringLiteral("N7"))->isVisible() == false);
        // Put the shared controls back for the next row.
        Form45->setLogRights(true, true);
        for (QWidget *w : std::initializer_list<QWidget *>{log->RadioButton1, log->RadioButton2,
                                                           log->RadioButton3, log->RadioButton4, log->CBox1,
                                                           log->Button8, log->DBGrid2, log->DateT})
            w->setEnabled(true);
    }

    void wrongPasswordEndsTheProgram_data()
    {
        QTest::addColumn<bool>("direct");
        QTest::newRow("direct") << true;
        QTest::newRow("data source") << false;
    }
    void wrongPasswordEndsTheProgram()
    {
        QFETCH(bool, direct);
        Fixture::registerOdbcDataSource(QStringLiteral("zemra_erp_dev"));
        const QStringList args = direct ? QStringList{directArg(), Fixture::database()} : QStringList{};
        const Seen seen = login(args, QStringLiteral("planner1"), QStringLiteral("wrong"));
        QVERIFY(seen.caption.isEmpty()); // the main window never showed
        const QList<ShownBox> boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text,
                 direct ? QStringLiteral("Подключение к БД отсутсвует (сервер: ") + args[0] +
                              QStringLiteral(", БД: ") + args[1] + ")"
                        : QStringLiteral("Подключение к БД отсутсвует (Data Source: zemra_erp_dev)"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(boxes[0].icon, Platform::Icon::Error);
        QCOMPARE(Platform::Testing::terminateCount(), 1);
        QVERIFY(!Platform::Testing::shownModals().contains(QStringLiteral("TForm1")));
    }

    void separatorsInNameAndPassword_data()
    {
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("name");
        QTest::newRow("direct") << true << "semi;user";
        // psqlODBC takes a braced password but not a braced user name.
        QTest::newRow("data source") << false << "semi_pw";
    }
    void separatorsInNameAndPassword()
    {
        QFETCH(bool, direct);
        QFETCH(QString, name);
        Fixture::registerOdbcDataSource(QStringLiteral("zemra_erp_dev"));
        const QStringList args = direct ? QStringList{directArg(), Fixture::database()} : QStringList{};
        const Seen seen = login(args, name, QStringLiteral("a;b}c{d=e"));
        QVERIFY2(seen.connected, qPrintable(Platform::Testing::shownBoxes().value(0).text));
        QCOMPARE(seen.currentUser, name);
    }

    void escapeClosesTheMainWindow()
    {
        Platform::Testing::onModal(QStringLiteral("TForm1"), [](QDialog *main) {
            QVERIFY(main->isVisible());
            QTest::keyClick(main, Qt::Key_Escape);
            QVERIFY(!main->isVisible());
        });
        Platform::showModal(Form1);
        QVERIFY(Platform::Testing::unscriptedModals().isEmpty());
        // "Выход" does the same.
        Platform::Testing::onModal(QStringLiteral("TForm1"), [](QDialog *main) {
            Form1->item(QStringLiteral("N5"))->trigger();
            QVERIFY(!main->isVisible());
        });
        Platform::showModal(Form1);
    }

    void mainWindowLooksAsDesigned()
    {
        QCOMPARE(Form1->ui()->Image1->size().width() >= 937, true);
        QVERIFY(!Form1->ui()->Image1->pixmap().isNull());
        QStringList top;
        for (QAction *a : Form1->MainMenu1->actions())
            if (a->isVisible())
                top << a->text();
        QCOMPARE(top, QStringList({"Справочники", "Снабжение", "Склады", "Производство", "Маркетинг", "База",
                                   "Выход"}));
        QStringList n2;
        for (QAction *a : Form1->item(QStringLiteral("N2"))->menu()->actions())
            n2 << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(n2, QStringList({"N19", "N1", "N8", "N21", "N24", "-", "N9", "N3", "N6", "N4", "-", "N20"}));
    }

    void clearDatabase_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("No") << "sys" << int(QMessageBox::No) << false;
        QTest::newRow("Yes as sys") << "sys" << int(QMessageBox::Yes) << true;
        QTest::newRow("Yes as senior1") << "senior1" << int(QMessageBox::Yes) << true;
        QTest::newRow("Yes as planner1: refused") << "planner1" << int(QMessageBox::Yes) << false;
    }
    void clearDatabase()
    {
        QFETCH(QString, user);
        QFETCH(int, answer);
        QFETCH(bool, emptied);
        loadDemo();
        Fixture::exec(
            QStringLiteral("update cmn_inventory_items.inventory_items set cost_price=10 where id<>0"));
        const auto count = [](const char *table) {
            return Fixture::scalar(QStringLiteral("select count(*) from ") + QLatin1String(table)).toInt();
        };
        const char *operational[] = {"mnf_app.app_doc", "mnf_app.app_spec", "stk_stocks.stock"};
        const char *catalogs[] = {"cmn_department.department", "cmn_contractor.person",
                                  "cmn_inventory_items.inventory_items", "mnf_proc_tech.proc_tech"};
        QHash<QString, int> before;
        for (const char *t : operational) {
            before[QLatin1String(t)] = count(t);
            QVERIFY2(before[QLatin1String(t)] > 0, t);
        }
        for (const char *t : catalogs)
            before[QLatin1String(t)] = count(t);

        Fixture::connectAs(user, user == QLatin1String("sys") ? QStringLiteral("vexmolb") : user);
        Platform::Testing::answerNext(QMessageBox::StandardButton(answer));
        Form1->item(QStringLiteral("N28"))->trigger();
        Fixture::connectAs();

        const QList<ShownBox> boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes[0].text, QStringLiteral("Очистить базу?"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(boxes[0].icon, Platform::Icon::Error);
        QCOMPARE(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        for (const char *t : operational)
            QCOMPARE(count(t), emptied ? 0 : before[QLatin1String(t)]);
        for (const char *t : catalogs) // catalogs survive
            QCOMPARE(count(t), before[QLatin1String(t)]);
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select count(*) from cmn_inventory_items.inventory_items where "
                                           "cost_price<>0"))
                    .toInt() == 0,
            emptied);
        QCOMPARE(Platform::Testing::terminateCount(), emptied ? 1 : 0);
        const bool refused = answer == QMessageBox::Yes && !emptied;
        QCOMPARE(boxes.size(), refused ? 2 : 1); // the server's refusal is shown
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
