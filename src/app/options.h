#pragma once

#include <QString>
#include <QStringList>

namespace kodrix {

// The command line of kodrix.
struct Options {
    QString dataDir;
    QString workDir;
    QString database;  // empty: the main database of the data folder
    QString user = QStringLiteral("SYSDBA");
    QString password = QStringLiteral("plumtreex");
    bool demo = false;  // create the main database filled with a sample library

    enum class Outcome { Run, Help, Version, Error };
    Outcome outcome = Outcome::Run;
    QString text;  // what to print for Help, Version and Error
};

// Reads the arguments (the program name first, as in argv).
Options parseOptions(const QStringList& arguments);

} // namespace kodrix
