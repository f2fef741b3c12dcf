// Staff: the employees list and edit window, search, delete and the worker chooser.
#include "app/DBGrid.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "catalogs/Unit2.h"
#include "catalogs/Unit5.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit2.h"
#include "ui_Unit5.h"

#include <QAction>
#include <QWheelEvent>

namespace {

int role(const QString &caption, bool active = true)
{
    return Fixture::scalar(
               QStringLiteral("insert into adm_role.roles(s_name, s_caption, d_begin, b_active) "
                              "values ('r', %1, current_date, %2) returning id::int")
                   .arg(SqlText(caption), active ? QStringLiteral("true") : QStringLiteral("false")))
        .toInt();
}

int position(const QString &caption, int department)
{
    return Fixture::scalar(
               QStringLiteral("insert into hrms_staffpos.staffpos(s_caption, id_department) values "
                              "(%1, %2) returning id")
                   .arg(SqlText(caption))
                   .arg(department))
        .toInt();
}

int person(const QString &surname, const QString &first, const QString &third, int pos, int dep, int roleId)
{
    return Fixture::scalar(
               QStringLiteral(
                   "insert into cmn_contractor.person(s_caption, s_second_name, s_first_name, "
                   "s_third_name, id_staffpos, id_department, id_role) values (%1, %2, %3, %4, %5, "
                   "%6, %7) returning id")
                   .arg(SqlText(surname + ' ' + first + ' ' + third), SqlText(surname), SqlText(first),
                        SqlText(third))
                   .arg(pos)
                   .arg(dep)
                   .arg(roleId))
        .toInt();
}

// A plant with one department, two positions and two roles (one inactive).
struct Plant
{
    int shop, painter, welder, worker, guest;
    Plant()
    {
        shop = Fixture::department(QStringLiteral("Цех покраски"));
        painter = position(QStringLiteral("Маляр"), shop);
        welder = position(QStringLiteral("Сварщик"), shop);
        worker = role(QStringLiteral("Рабочий"));
        guest = role(QStringLiteral("Гость"), false);
    }
};

// Runs `inList` with the staff list shown from the main menu.
void withStaff(const std::function<void(Ui::TForm5 *)> &inList)
{
    Platform::Testing::onModal(QStringLiteral("TForm5"), [&](QDialog *) { inList(Form5->ui()); });
    Form1->item(QStringLiteral("N1"))->trigger();
    QVERIFY(!DataModule6->workers->active());
}

// Fills the edit window when it is shown and presses "Записать"; empty combo texts choose nothing.
void expectEdit(const QStringList &names, const QString &pos, const QString &dep, const QString &roleName,
                const std::function<void()> &after = {})
{
    Platform::Testing::onModal(QStringLiteral("TForm2"), [=](QDialog *) {
        Ui::TForm2 *e = Form2->ui();
        e->Edit1->setText(names.value(0));
        e->Edit2->setText(names.value(1));
        e->Edit3->setText(names.value(2));
        e->LCB_staffpos->setCurrentIndex(e->LCB_staffpos->findText(pos));
        e->LCB_department->setCurrentIndex(e->LCB_department->findText(dep));
        e->LCB_roles->setCurrentIndex(e->LCB_roles->findText(roleName));
        e->Button1->click();
        if (after)
            after();
    });
}

QString personRow(int id)
{
    return Fixture::scalar(
               QStringLiteral("select s_caption || '|' || s_second_name || '|' || s_first_name || '|' "
                              "|| s_third_name || '|' || id_staffpos || '|' || id_department || '|' "
                              "|| id_role::int from cmn_contractor.person where id=%1")
                   .arg(id))
        .toString();
}

} // namespace

class TestStaff final : public DbTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        createWindows();
    }

    void addAndChangeKeepApostrophesAndHyphens()
    {
        const Plant p;
        int id = 0;
        withStaff([&](Ui::TForm5 *list) {
            Platform::Testing::onModal(QStringLiteral("TForm2"), [&](QDialog *d) {
                QCOMPARE(d->windowTitle(), QStringLiteral("Заведение данных нового работника"));
                QCOMPARE(Form2->ui()->Edit1->text(), QString());
                Ui::TForm2 *e = Form2->ui();
                Fixture::type(e->Edit1, QStringLiteral("О'Коннор"));
                Fixture::type(e->Edit2, QStringLiteral("Анна-Мария"));
                Fixture::type(e->Edit3, QStringLiteral(" Smith-Ивановна "));
                e->LCB_staffpos->setCurrentIndex(e->LCB_staffpos->findText(QStringLiteral("Маляр")));
                e->LCB_department->setCurrentIndex(0);
                e->LCB_roles->setCurrentIndex(e->LCB_roles->findText(QStringLiteral("Рабочий")));
                e->Button1->click();
            });
            list->Button1->click();
            Dataset *ds = DataModule6->workers;
            QCOMPARE(Fixture::column(ds, "s_caption"), QStringList({"О'Коннор Анна-Мария Smith-Ивановна"}));
            QCOMPARE(Fixture::column(ds, "s_role"), QStringList({"Рабочий"}));
            id = Catalog::currentId(ds);

            Platform::Testing::onModal(QStringLiteral("TForm2"), [&](QDialog *d) {
                Ui::TForm2 *e = Form2->ui();
                QCOMPARE(d->windowTitle(), QStringLiteral("Изменение данных работника"));
                QCOMPARE(e->Edit1->text(), QStringLiteral("О'Коннор"));
                QCOMPARE(e->Edit3->text(), QStringLiteral("Smith-Ивановна"));
                QCOMPARE(e->LCB_staffpos->currentText(), QStringLiteral("Маляр"));
                QCOMPARE(e->LCB_department->currentText(), QStringLiteral("Цех покраски"));
                QCOMPARE(e->LCB_roles->currentText(), QStringLiteral("Рабочий"));
                // Someone else adds a worker who sorts first while the window is open.
                person(QStringLiteral("Абрамов"), QStringLiteral("Ян"), QStringLiteral("Ильич"), p.welder,
                       p.shop, p.worker);
                DataModule6->workers->close();
                DataModule6->workers->open();
                e->Edit2->setText(QStringLiteral("Д'Арси"));
                e->LCB_staffpos->setCurrentIndex(e->LCB_staffpos->findText(QStringLiteral("Сварщик")));
                e->Button1->click();
            });
            QTest::mouseDClick(list->DBGrid1->viewport(), Qt::LeftButton, {},
                               list->DBGrid1->visualRect(list->DBGrid1->currentIndex()).center());
        });
        QCOMPARE(personRow(id),
                 QStringLiteral("О'Коннор Д'Арси Smith-Ивановна|О'Коннор|Д'Арси|Smith-Ивановна|%1|%2|%3")
                     .arg(p.welder)
                     .arg(p.shop)
                     .arg(p.worker));
        QCOMPARE(Fixture::scalar(
                     QStringLiteral("select s_caption from cmn_contractor.person where s_second_name = "
                                    "'Абрамов'"))
                     .toString(),
                 QStringLiteral("Абрамов Ян Ильич"));
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void newPersonIsOnTheTimesheet()
    {
        // The timesheets match their rows against the personnel number read as an integer.
        const Plant p;
        withStaff([&](Ui::TForm5 *list) {
            expectEdit({"Петров", "Пётр", "Петрович"}, QStringLiteral("Маляр"),
                       QStringLiteral("Цех покраски"), QStringLiteral("Рабочий"));
            list->Button1->click();
        });
        const int id =
            Fixture::scalar(
                QStringLiteral("select id from cmn_contractor.person where s_second_name='Петров'"))
                .toInt();
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select s_code from cmn_contractor.person where id=%1").arg(id))
                .toString(),
            QString::number(id));
        SQL_EXEC(QStringLiteral(
                     "insert into accounts_dep.h_tabel(w_id, month, year, smena, d1) values (%1, 3, 2026, "
                     "1, 8)")
                     .arg(id));
        Dataset *tabel = DataModule6->H_Tabel_1;
        tabel->setParam(QStringLiteral("mnth"), 3);
        tabel->setParam(QStringLiteral("yea"), 2026);
        tabel->open();
        QCOMPARE(Fixture::column(tabel, "fio"), QStringList({"Петров Пётр Петрович"}));
        QCOMPARE(tabel->field(QStringLiteral("summ")).asInt(), 8);
        tabel->close();
    }

    void everyFieldIsRequired_data()
    {
        QTest::addColumn<int>("empty");
        QTest::newRow("surname") << 0;
        QTest::newRow("first name") << 1;
        QTest::newRow("patronymic") << 2;
        QTest::newRow("position") << 3;
        QTest::newRow("department") << 4;
        QTest::newRow("role") << 5;
    }

    void everyFieldIsRequired()
    {
        QFETCH(int, empty);
        const Plant p;
        QStringList names{"Иванов", "Иван", "Иванович"};
        if (empty < 3)
            names[empty] = QStringLiteral("  ");
        withStaff([&](Ui::TForm5 *list) {
            expectEdit(names, empty == 3 ? QString() : QStringLiteral("Маляр"),
                       empty == 4 ? QString() : QStringLiteral("Цех покраски"),
                       empty == 5 ? QString() : QStringLiteral("Рабочий"),
                       [] { QVERIFY(Form2->isVisible()); });
            list->Button1->click();
            QVERIFY(DataModule6->workers->isEmpty());
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Все поля должны быть заполнены!"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from cmn_contractor.person")).toInt(), 0);
    }

    void tooLongFullNameIsRefused()
    {
        const Plant p;
        const QString part(100, QChar(0x0416)); // "Ж" x 100: each fits, the three together do not
        withStaff([&](Ui::TForm5 *list) {
            expectEdit({part, part, part}, QStringLiteral("Маляр"), QStringLiteral("Цех покраски"),
                       QStringLiteral("Рабочий"), [] { QVERIFY(Form2->isVisible()); });
            list->Button1->click();
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, Platform::Icon::Error);
        QVERIFY2(boxes[0].text.contains(QStringLiteral("254")), qPrintable(boxes[0].text));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from cmn_contractor.person")).toInt(), 0);
    }

    void cancelledChangeLeavesRowAndPosition()
    {
        const Plant p;
        for (const char *n : {"Андреев", "Борисов", "Васин"})
            person(QString::fromUtf8(n), QStringLiteral("А"), QStringLiteral("Б"), p.painter, p.shop,
                   p.worker);
        withStaff([&](Ui::TForm5 *list) {
            Dataset *ds = DataModule6->workers;
            ds->setRecNo(2);
            Platform::Testing::onModal(QStringLiteral("TForm2"), [](QDialog *) {
                Form2->ui()->Edit1->setText(QStringLiteral("Другой"));
                Form2->ui()->Button2->click();
            });
            list->Button2->click();
            QCOMPARE(ds->recNo(), 2);
            QCOMPARE(ds->field(QStringLiteral("s_second_name")).asString(), QStringLiteral("Борисов"));
        });
        QCOMPARE(
            Fixture::scalar(QStringLiteral("select count(*) from cmn_contractor.person where s_second_name="
                                           "'Другой'"))
                .toInt(),
            0);
    }

    void inactiveRoleIsOffered()
    {
        const Plant p;
        withStaff([&](Ui::TForm5 *list) {
            expectEdit({"Гостев", "Г", "Г"}, QStringLiteral("Маляр"), QStringLiteral("Цех покраски"),
                       QStringLiteral("Гость"));
            list->Button1->click();
            QCOMPARE(Fixture::column(DataModule6->workers, "s_role"), QStringList({"Гость"}));
        });
        QCOMPARE(Fixture::scalar(QStringLiteral("select id_role::int from cmn_contractor.person")).toInt(),
                 p.guest);
    }

    void deleteAsksAndKeepsThePosition()
    {
        const Plant p;
        for (const char *n : {"Андреев", "Борисов", "Васин"})
            person(QString::fromUtf8(n), QStringLiteral("А"), QStringLiteral("Б"), p.painter, p.shop,
                   p.worker);
        withStaff([&](Ui::TForm5 *list) {
            Dataset *ds = DataModule6->workers;
            ds->setRecNo(2);
            Platform::Testing::answerNext(QMessageBox::No);
            list->Button3->click();
            QCOMPARE(ds->recordCount(), 3);
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(Fixture::column(ds, "s_second_name"), QStringList({"Андреев", "Васин"}));
            QCOMPARE(ds->recNo(), 2);
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(ds->recNo(), 1); // past the end: the new last row
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[0].text, QStringLiteral("Удалить работника?"));
        QCOMPARE(boxes[0].caption, QStringLiteral("Удаление"));
    }

    void deletingAWorkerOnTheTimesheetIsRefused()
    {
        const Plant p;
        const int id = person(QStringLiteral("Сидоров"), QStringLiteral("С"), QStringLiteral("С"), p.painter,
                              p.shop, p.worker);
        SQL_EXEC(QStringLiteral(
                     "insert into accounts_dep.h_tabel(w_id, month, year, smena) values (%1, 1, 2026, 1)")
                     .arg(id));
        withStaff([&](Ui::TForm5 *list) {
            Platform::Testing::answerNext(QMessageBox::Yes);
            list->Button3->click();
            QCOMPARE(DataModule6->workers->recordCount(), 1);
        });
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].icon, Platform::Icon::Error);
        QVERIFY2(boxes[1].text.startsWith(QStringLiteral("Запись используется")), qPrintable(boxes[1].text));
        QCOMPARE(Fixture::scalar(QStringLiteral("select count(*) from cmn_contractor.person")).toInt(), 1);
        QVERIFY(!DataModule6->ADO_DB->inTransaction());
    }

    void searchByNameOrPosition()
    {
        const Plant p;
        person(QStringLiteral("Маслов"), QStringLiteral("А"), QStringLiteral("Б"), p.welder, p.shop,
               p.worker);
        person(QStringLiteral("Сергеев"), QStringLiteral("А"), QStringLiteral("Б"), p.painter, p.shop,
               p.worker);
        person(QStringLiteral("Д'Эон"), QStringLiteral("А"), QStringLiteral("Б"), p.welder, p.shop, p.worker);
        withStaff([&](Ui::TForm5 *list) {
            Dataset *ds = DataModule6->workers;
            QCOMPARE(Form5->focusWidget(), list->Edit1);
            // "Ма": Маслов by name, Сергеев by his position "Маляр".
            Fixture::type(list->Edit1, QStringLiteral("Ма"));
            QCOMPARE(Fixture::column(ds, "s_second_name"), QStringList({"Маслов", "Сергеев"}));
            QTest::keyClick(list->Edit1, Qt::Key_Down);
            QCOMPARE(ds->recNo(), 2);
            QTest::keyClick(list->Edit1, Qt::Key_Up);
            QCOMPARE(ds->recNo(), 1);
            QTest::keyClick(list->Edit1, Qt::Key_Home); // consumed
            Fixture::type(list->Edit1, QStringLiteral("л"));
            QCOMPARE(Fixture::column(ds, "s_second_name"), QStringList({"Сергеев"}));
            list->Edit1->clear();
            Fixture::type(list->Edit1, QStringLiteral("Д'"));
            QCOMPARE(Fixture::column(ds, "s_second_name"), QStringList({"Д'Эон"}));
            list->Edit1->clear();
            QCOMPARE(ds->recordCount(), 3);
        });
        QVERIFY(Platform::Testing::shownBoxes().isEmpty());
    }

    void chooseWritesIntoTheOpenerAndTheMenuRestoresKeeping()
    {
        const Plant p;
        const int id = person(QStringLiteral("Зайцев"), QStringLiteral("Олег"), QStringLiteral("Ильич"),
                              p.welder, p.shop, p.worker);
        person(QStringLiteral("Антонов"), QStringLiteral("А"), QStringLiteral("Б"), p.welder, p.shop,
               p.worker);
        QList<QPair<int, QString>> chosen;
        Form5->ChooseTargets.set(99, [&](Dataset *row) {
            chosen << qMakePair(row->field(QStringLiteral("id")).asInt(),
                                row->field(QStringLiteral("s_caption")).asString().trimmed());
            Form5->ChosenFlag = 1;
        });
        auto choose = [&](int tag, const std::function<void(Ui::TForm5 *)> &inList) {
            Form5->ChooseLayout(tag);
            DataModule6->workers->open();
            Platform::Testing::onModal(QStringLiteral("TForm5"), [&](QDialog *) { inList(Form5->ui()); });
            const int result = Platform::showModal(Form5);
            DataModule6->workers->close();
            return result;
        };

        const int result = choose(99, [&](Ui::TForm5 *list) {
            QVERIFY(!list->Button1->isVisible() && !list->Button3->isVisible());
            QCOMPARE(list->Button2->text(), QStringLiteral("Выбрать"));
            QVERIFY(list->Button2->isDefault());
            QCOMPARE(Form5->ChosenFlag, 0);
            Fixture::type(list->Edit1, QStringLiteral("Зай"));
            QTest::mouseDClick(list->DBGrid1->viewport(), Qt::LeftButton, {},
                               list->DBGrid1->visualRect(list->DBGrid1->currentIndex()).center());
            QVERIFY(!Form5->isVisible());
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(chosen, (QList<QPair<int, QString>>{{id, QStringLiteral("Зайцев Олег Ильич")}}));
        QCOMPARE(Form5->ChosenFlag, 1);

        // A search that matches nobody: nothing is written and the list closes.
        choose(99, [](Ui::TForm5 *list) {
            QVERIFY(list->Edit1->text().isEmpty()); // the opener cleared the search
            Fixture::type(list->Edit1, QStringLiteral("Щ"));
            list->Button2->click();
            QVERIFY(!Form5->isVisible());
        });
        QCOMPARE(chosen.size(), 1);

        // A Tag nobody registered: "Выбрать" does nothing.
        choose(98, [](Ui::TForm5 *list) {
            list->Button2->click();
            QVERIFY(Form5->isVisible());
        });
        QCOMPARE(chosen.size(), 1);

        withStaff([](Ui::TForm5 *list) {
            QCOMPARE(Form5->Tag, 0);
            QCOMPARE(Form5->ChosenFlag, 0);
            QVERIFY(list->Button1->isVisible() && list->Button3->isVisible() && list->Edit1->isVisible());
            QCOMPARE(list->Button2->text(), QStringLiteral("Изменить"));
            QVERIFY(list->Button1->isDefault() && !list->Button2->isDefault());
            // "Изменить" changes again instead of choosing.
            list->Button2->click();
        });
        QCOMPARE(chosen.size(), 1);
        QVERIFY(Platform::Testing::shownModals().contains(QStringLiteral("TForm2")));
    }

    void wheelStepsTheFocusedLookup()
    {
        const Plant p;
        Form2->staffpos->open();
        Form2->roles->open();
        Form2->department->open();
        Form2->show();
        Ui::TForm2 *e = Form2->ui();
        e->LCB_staffpos->setCurrentIndex(0);
        e->LCB_roles->setCurrentIndex(0);
        QApplication::setActiveWindow(Form2);
        e->LCB_roles->setFocus();
        QWheelEvent down(QPointF(5, 5), Form2->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(e->Edit1, &down);
        QCOMPARE(e->LCB_roles->currentText(), QStringLiteral("Рабочий")); // "Гость", then "Рабочий"
        QCOMPARE(e->LCB_staffpos->currentText(), QStringLiteral("Маляр"));
        Form2->hide();
        QVERIFY(!Form2->staffpos->active() && !Form2->roles->active() && !Form2->department->active());
    }
};

QTEST_MAIN(TestStaff)
#include "tst_staff.moc"
