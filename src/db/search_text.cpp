#include "search_text.h"

namespace kodrix::db {

QString huLower(const QString& text) { return text.toLower(); }

QString prefixPattern(const QString& text) { return huLower(text) + QLatin1Char('%'); }

QString anywherePattern(const QString& text) {
    return QLatin1Char('%') + huLower(text) + QLatin1Char('%');
}

QString choicePattern(const QString& choice) {
    return choice.isEmpty() ? QStringLiteral("%") : choice;
}

} // namespace kodrix::db
