#pragma once

#include "options.h"

namespace kodrix {

class Dialogs;
class Tfomenu;
namespace db {
class Database;
}

// The folders a run works with.
struct Folders {
    QString data;
    QString work;
};

// Resolves and creates the data and working folders and points the embedded engine at its
// lock folder. False (with the message shown) when a folder cannot be made.
bool prepareFolders(const Options& options, Dialogs& dialogs, Folders& folders);

// Opens the main database (creating it with its reference data on the first start) or the
// one named on the command line. On failure shows a Hungarian message with the driver's text
// and returns false.
bool openDatabase(db::Database& db, const Options& options, const Folders& folders,
                  Dialogs& dialogs);

// Gives every built module its menu command.
void registerModules(Tfomenu& mainWindow);

} // namespace kodrix
