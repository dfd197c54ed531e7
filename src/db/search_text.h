#pragma once

#include <QString>

namespace kodrix::db {

// Lower-casing that agrees with the database's lower() on UTF8 text, Hungarian capitals
// (Á, É, Ő, Ű ...) included.
QString huLower(const QString& text);

// "begins with": the lower-cased text followed by "%".
QString prefixPattern(const QString& text);
// "anywhere": "%", the lower-cased text, "%".
QString anywherePattern(const QString& text);
// A location or document type choice: "%" alone when nothing is chosen.
QString choicePattern(const QString& choice);

} // namespace kodrix::db
