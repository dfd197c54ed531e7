#pragma once

#include "database.h"
#include "dates.h"

#include <vector>

namespace kodrix {

// The catalogue search: sixteen ways to find records, narrowed by location and type.
class CatalogueSearch {
public:
    enum Mode {
        Author, Title, Subject, Publication, Year, Printer, Udc, Isbn, Issn, Tmt, Language,
        InventoryNumber, Barcode, Genre, AudiobookList, FullList, ModeCount
    };
    enum class Match { Anywhere, Exact, Prefix };

    struct Request {
        int mode = Author;
        QString text;
        QString second;    // the second term of the modes that take one
        Match match = Match::Anywhere;
        QString location;  // empty: "Mindenhol"
        QString type;      // empty: "Mind"
    };

    struct Result {
        QStringList columns;
        std::vector<QVariantList> rows;
        bool ran = false;  // false when the mode ran no query (a full list of every location)
    };

    static const QStringList& modeNames();
    static bool takesSecondTerm(int mode);
    static inline const QString kTooShort = QStringLiteral("Kérem adjon meg pontosabb adatot!");

    explicit CatalogueSearch(db::Database& db) : db_(db) {}

    // The search text is long enough for the mode (two characters, but any inventory number).
    static bool acceptable(const Request& r);
    Result run(const Request& r);
    // The newest acquisitions of the library: the 100 copies with the highest inventory numbers.
    Result newest(const QString& libraryCode, const QString& type, const QString& location);
    // Counts one search of today, as a librarian's or a reader's.
    void count(const QDate& today, bool librarian);

private:
    Result query(const QString& sql, const db::Params& params, const QStringList& order);
    db::Database& db_;
};

} // namespace kodrix
