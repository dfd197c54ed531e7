#pragma once

#include "database.h"

namespace kodrix::db {

// The data folder: the one named on the command line, else $KODRIX_DATA, else
// ~/.local/share/kodrix.
QString resolveDataDir(const QString& fromCommandLine);
QString mainDatabasePath(const QString& dataDir);

// Points the embedded engine's lock files at a folder of the data folder; must run before
// the first Firebird call of the process.
void prepareEmbeddedEngine(const QString& dataDir);

// Opens the main database, bringing its schema up to date. A missing embedded file is
// created only when createIfMissing is set (the main database in the data folder); a server
// database is never created. Returns true when the file was created now.
bool openMainDatabase(Database& db, const ConnectionSpec& connection, bool createIfMissing);

// The engine's answer when another process holds the embedded file open.
bool isDatabaseInUse(const DbError& error);

} // namespace kodrix::db
