// Visual styles: the start-up style from the file, the login window's style box.
#include "app/Startup.h"
#include "app/StyleFile.h"
#include "app/Styles.h"
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "tests/fixture/Fixture.h"
#include "ui_Unit23.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

class TestStyles final : public DbTestCase
{
    Q_OBJECT
private:
    static void writeFile(const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(StyleFile::path()).absolutePath());
        QFile f(StyleFile::path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    static QByteArray fileContent()
    {
        QFile f(StyleFile::path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase()
    {
        DbTestCase::initTestCase();
        new TForm1;
    }

    void fortyDistinctNames()
    {
        const QStringList names = Styles::names();
        QCOMPARE(names.size(), 40);
        QVERIFY(names.contains(QStringLiteral("Windows")));
        QVERIFY(names.contains(QStringLiteral("Windows10 SlateGray")));
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(names, sorted);
        // Each themed look is its own.
        QSet<QString> looks;
        for (const QString &n : names) {
            QVERIFY(Styles::apply(n));
            QCOMPARE(Styles::activeName(), n);
            looks << qApp->palette().color(QPalette::Window).name() +
                         qApp->palette().color(QPalette::Highlight).name() +
                         qApp->palette().color(QPalette::Base).name();
        }
        QCOMPARE(looks.size(), 40);
        QVERIFY(Styles::apply(QStringLiteral("Windows")));
        QVERIFY(qApp->styleSheet().isEmpty());
    }

    void startupStyleFromTheFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("active");
        QTest::addColumn<bool>("error");
        QTest::newRow("name and more lines")
            << QByteArray("Onyx Blue\r\nanything\r\n") << "Onyx Blue" << false;
        QTest::newRow("lower case") << QByteArray("onyx blue\r\n") << "Onyx Blue" << false;
        QTest::newRow("empty first line") << QByteArray("\r\n") << "Windows" << false;
        QTest::newRow("unknown") << QByteArray("Nope\r\n") << "Windows" << true;
    }
    void startupStyleFromTheFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, active);
        QFETCH(bool, error);
        Styles::apply(QStringLiteral("Carbon"));
        writeFile(content);
        applyStartupStyle();
        QCOMPARE(Styles::activeName(), active);
        const auto boxes = Platform::Testing::shownBoxes();
        QCOMPARE(boxes.size(), error ? 1 : 0);
        if (error) {
            QCOMPARE(boxes[0].caption, QStringLiteral("Ошибка"));
            QCOMPARE(fileContent(), content); // left as it is
        }
    }

    void loginStyleBoxWritesTheFile()
    {
        Ui::TForm23 *ui = Form23->ui();
        QCOMPARE(ui->ComboBox1->count(), 40);
        QCOMPARE(ui->ComboBox1->focusPolicy() & Qt::TabFocus, 0); // not in the tab order
        Styles::apply(QStringLiteral("Sky"));
        Form23->show();
        Platform::activate(Form23);
        QCOMPARE(ui->ComboBox1->currentText(), QStringLiteral("Sky"));
        const int i = ui->ComboBox1->findText(QStringLiteral("Windows10 Dark"));
        ui->ComboBox1->setCurrentIndex(i);
        Form23->ComboBox1Change(i);
        QCOMPARE(Styles::activeName(), QStringLiteral("Windows10 Dark"));
        QCOMPARE(fileContent(), QByteArray("Windows10 Dark\r\n"));
        // The next start begins in it.
        Styles::apply(QStringLiteral("Windows"));
        applyStartupStyle();
        QCOMPARE(Styles::activeName(), QStringLiteral("Windows10 Dark"));
        Form23->hide();
    }
};

QTEST_MAIN(TestStyles)
#include "tst_styles.moc"
