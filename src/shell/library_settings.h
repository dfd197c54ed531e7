#pragma once

#include "database.h"

#include <QDate>
#include <optional>

namespace kodrix {

// The library's own settings: the single konyvtar row, id 1.
struct LibrarySettingsValues {
    QString kvtnev;
    QString kvtkod;
    QString email;
    QDate kolcsdatum;   // end of the school year
    QString kes = QStringLiteral("n");  // late fee per day and item ('n') or per notice ('f')
    QVariant kesdij;    // late-fee amount, a decimal number or NULL
    QString pnem;
    QString alell;      // year of the current stock audit
};

class LibrarySettings {
public:
    explicit LibrarySettings(db::Database& db) : db_(db) {}

    // The settings row, when the table has one.
    std::optional<LibrarySettingsValues> load();
    // Creates row 1 or updates it, writing only the eight columns edited in the settings
    // window; the reminder texts and the mail settings stay as they are.
    void save(const LibrarySettingsValues& values);

private:
    db::Database& db_;
};

} // namespace kodrix
