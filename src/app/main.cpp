#include "dialogs.h"
#include "database.h"
#include "dates.h"
#include "fomenu.h"
#include "instance_marker.h"
#include "options.h"
#include "startup.h"
#include "termination.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

using namespace kodrix;

int main(int argc, char** argv) {
    blockTerminationSignals();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    const Options options = parseOptions(arguments);
    switch (options.outcome) {
    case Options::Outcome::Help:
    case Options::Outcome::Version:
        std::fputs(options.text.toLocal8Bit().constData(), stdout);
        return 0;
    case Options::Outcome::Error:
        std::fputs(options.text.toLocal8Bit().constData(), stderr);
        return 2;
    case Options::Outcome::Run:
        break;
    }

    QApplication app(argc, argv);
    quitOnTerminationSignals();
    QApplication::setApplicationName(QStringLiteral("kodrix"));
    QApplication::setApplicationVersion(QStringLiteral(KODRIX_VERSION));
    QApplication::setApplicationDisplayName(Tfomenu::kApplicationTitle);
    QTranslator qtHungarian;
    if (qtHungarian.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtHungarian);
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));

    QtDialogs dialogs;
    Folders folders;
    if (!prepareFolders(options, dialogs, folders)) return 1;

    // A second start is told that the program runs already, and goes on.
    InstanceMarker marker;
    if (!marker.registerMarker()) dialogs.message(QStringLiteral("A program már fut! Zárja be."));

    db::Database database;
    if (!openDatabase(database, options, folders, dialogs)) return 1;

    db::SystemClock clock;
    Tfomenu mainWindow(database, dialogs, clock, folders.data, folders.work);
    dialogs.setParent(&mainWindow);
    registerModules(mainWindow);
    mainWindow.showMaximized();
    return app.exec();
}
