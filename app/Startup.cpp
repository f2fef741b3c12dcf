#include "app/Startup.h"

#include "app/Platform.h"
#include "app/StyleFile.h"
#include "app/Styles.h"
#include "app/Unit1.h"
#include "app/Unit23.h"
#include "catalogs/Unit14.h"
#include "catalogs/Unit2.h"
#include "catalogs/Unit26.h"
#include "catalogs/Unit27.h"
#include "catalogs/Unit28.h"
#include "catalogs/Unit29.h"
#include "catalogs/Unit3.h"
#include "catalogs/Unit30.h"
#include "catalogs/Unit303.h"
#include "catalogs/Unit31.h"
#include "catalogs/Unit32.h"
#include "catalogs/Unit34.h"
#include "catalogs/Unit35.h"
#include "catalogs/Unit5.h"
#include "catalogs/Unit58.h"
#include "catalogs/Unit7.h"
#include "catalogs/Unit8.h"
#include "catalogs/Unit9.h"
#include "data/DbError.h"
#include "requests/Unit41.h"
#include "requests/Unit42.h"
#include "requests/Unit43.h"
#include "requests/Unit44.h"
#include "shopfloor/Unit45.h"
#include "technology/Unit10.h"
#include "technology/Unit33.h"
#include "technology/Unit4.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

template <class T> void create(T *&reference)
{
    if (!reference)
        reference = new T;
}

void loadTranslations(QApplication &app)
{
    // Qt's own texts (standard buttons "Да", "Нет", ...) in Russian.
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
}

} // namespace

void createWindows()
{
    // The order is the program's; a window joins it in its place when its unit lands.
    create(Form1);
    create(Form2);
    create(Form3);
    create(Form4);
    create(Form5);
    create(Form7);
    create(Form8);
    create(Form9);
    create(Form10);
    // create(Form11);
    // create(Form18);
    // create(Form19);
    create(Form14);
    // create(Form24);
    create(Form26);
    create(Form27);
    create(Form28);
    create(Form29);
    create(Form30);
    create(Form31);
    create(Form32);
    create(Form33);
    create(Form34);
    create(Form35);
    // create(Form36);
    // create(Form37);
    // create(Form38);
    // create(Form39);
    // create(Form40);
    create(Form41);
    create(Form42);
    create(Form43);
    create(Form44);
    create(Form45);
    // create(Form46);
    // create(Form47);
    // create(Form48);
    // create(Form50);
    // create(Form51);
    create(Form303);
    // create(Form53);
    // create(Form54);
    create(Form58);
    // create(Form59);
    // create(Form60);
    // create(Form61);
    // create(Form62);
    // create(Form63);
    // create(Form65);
    // create(Form66);
    // create(Form67);
    // create(Form68);
    // create(Form69);
    // create(Form70);
    // create(Form71);
    // create(Form72);
    // create(Form73);
    // create(Form74);
    // create(Form76);
    // create(Form77);
    // create(Form78);
    // create(Form15);
    // create(Form16);
    // create(Form17);
    // create(Form20);
    // create(Form21);
    // create(Form25);
}

void applyStartupStyle()
{
    const QString style = StyleFile::readOrCreate();
    if (!Styles::apply(style)) {
        Platform::showError(QStringLiteral("Стиль \"%1\" не найден").arg(style));
        Styles::apply(QStringLiteral("Windows"));
    }
}

int runProgram(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zemra-erp"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZEMRA.ERP"));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    loadTranslations(app);
    try {
        applyStartupStyle();
        createWindows();
        QStringList args = QApplication::arguments();
        args.removeFirst();
        Form23->Arguments = args;
        Platform::showMain(Form23);
        app.exec();
    } catch (const DbError &e) {
        Platform::showException(e.text());
    } catch (const std::exception &e) {
        Platform::showException(QString::fromUtf8(e.what()));
    } catch (...) {
        Platform::showException(QString());
    }
    return 0;
}
