#include "startup.h"

#include "dialogs.h"
#include "fomenu.h"
#include "fbill.h"
#include "jelszo1.h"
#include "kat_kv.h"
#include "kereskv.h"
#include "jelszo2.h"
#include "konyvtar.h"
#include "konyvtaros.h"
#include "main_database.h"
#include "olvstatus.h"
#include "sample_library.h"

#include <QDir>
#include <QFileInfo>

namespace kodrix {

bool prepareFolders(const Options& options, Dialogs& dialogs, Folders& folders) {
    folders.data = db::resolveDataDir(options.dataDir);
    folders.work = QDir(options.workDir.isEmpty() ? QDir::currentPath() : options.workDir).absolutePath();
    for (const QString& dir : {folders.data, folders.work}) {
        if (!QDir().mkpath(dir)) {
            dialogs.error(QStringLiteral("A mappa nem hozható létre: %1").arg(dir));
            return false;
        }
    }
    db::prepareEmbeddedEngine(folders.data);
    return true;
}

bool openDatabase(db::Database& db, const Options& options, const Folders& folders,
                  Dialogs& dialogs) {
    db::ConnectionSpec connection;
    connection.database = options.database.isEmpty() ? db::mainDatabasePath(folders.data) : options.database;
    connection.user = options.user;
    connection.password = options.password;
    if (!connection.isServer()) connection.database = QDir(connection.database).absolutePath();
    if (options.demo && (!options.database.isEmpty() || QFileInfo::exists(connection.database))) {
        dialogs.error(QStringLiteral("A bemutató könyvtár csak új adatbázisba kerülhet, de ez már létezik:\n%1\n\n"
                                     "Adjon meg egy üres adatmappát (--data-dir).")
                          .arg(connection.database));
        return false;
    }
    try {
        // Only the main database of the data folder is created by the program itself.
        const bool created = db::openMainDatabase(db, connection, options.database.isEmpty());
        if (created && options.demo) SampleLibrary().fill(db);
        return true;
    } catch (const db::DbError& e) {
        if (db::isDatabaseInUse(e))
            dialogs.error(QStringLiteral("Az adatbázist egy már futó Kodrix program használja:\n%1\n\n"
                                         "Zárja be a másik programot, és indítsa újra.")
                              .arg(connection.database));
        else
            dialogs.error(QStringLiteral("Az adatbázis nem nyitható meg:\n%1\n\n%2")
                              .arg(connection.database, e.text()));
        return false;
    }
}

void registerModules(Tfomenu& mainWindow) {
    // Each module adds its commands here as it is built.
    mainWindow.setWindowFactory(cmd::Login, [](AppContext& c) -> QWidget* { return new Tjelszo1(c); });
    mainWindow.setWindowFactory(cmd::PasswordChange,
                                [](AppContext& c) -> QWidget* { return new Tjelszo2(c); });
    mainWindow.setWindowFactory(cmd::Librarians,
                                [](AppContext& c) -> QWidget* { return new Tkonyvtaros(c); });
    mainWindow.setWindowFactory(cmd::LibraryData, [](AppContext& c) -> QWidget* { return new Tkonyvtar(c); });
    mainWindow.setWindowFactory(cmd::ReaderStatuses,
                                [](AppContext& c) -> QWidget* { return new Tolvstatus(c); });
    mainWindow.setWindowFactory(cmd::FunctionKeys, [](AppContext& c) -> QWidget* { return new Tfbill(c); });
    mainWindow.setWindowFactory(cmd::SearchCatalogue, [](AppContext& c) -> QWidget* { return new Tkereskv(c); });
    for (const QString& id : {cmd::CatBook, cmd::CatAv, cmd::CatMultimedia, cmd::CatThesis, cmd::CatEbook,
                              cmd::CatPeriodical})
        mainWindow.setWindowFactory(id, [](AppContext& c) -> QWidget* { return new Tkatkv(c); });
}

} // namespace kodrix
