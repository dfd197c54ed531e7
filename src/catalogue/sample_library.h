#pragma once

#include "database.h"

#include <functional>

namespace kodrix {

// A sample library for trying the program and for measuring it: settings, lists, a librarian,
// and records of every document type with copies in several locations and their author and
// title index rows, with Hungarian names (accents, married forms) and a few very common
// surnames, as a real catalogue has them.
struct SampleLibrary {
    static inline const QString kLibrarianId = QStringLiteral("demo");
    static inline const QString kLibrarianPassword = QStringLiteral("demo2026");
    static inline const QString kLibraryCode = QStringLiteral("BVK");

    int records = 400;
    unsigned seed = 20261211;
    // Called now and then with the number of records written.
    std::function<void(int)> progress;

    void fill(db::Database& db) const;
};

} // namespace kodrix
