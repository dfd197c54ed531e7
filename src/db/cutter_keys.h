#pragma once

#include "database.h"

#include <QHash>
#include <QString>

namespace kodrix::db {

// The shelf-mark key of a heading: the text prepared by the rules of the "&Cutter" command,
// then every character turned into its code from the letter table (abc).
enum class ShelfMarkVariant { Book, Audio };

// Steps 1 to 6: the first 12 characters lower-cased, the compound surname joined, the
// Hungarian articles dropped, apostrophe, hyphen and full stop handled, leading blanks
// removed (book variant), a blank appended to short texts.
QString shelfMarkText(const QString& source, ShelfMarkVariant variant);
// Step 7: the folded letters' codes, at most 24 characters.
QString shelfMarkKey(const QString& text, const QHash<QChar, QString>& codes);

// The letter codes the program ships in abc: two digits per character, so that keys compare
// as text in Hungarian alphabetical order after the folding (á→a, é→e, í→i, ó→o, ő→ö, ú→u,
// ű→ü): the blank 10, the digits 11 to 20, then a 21, b 22, c 23, d 24, e 25, f 26, g 27,
// h 28, i 29, j 30, k 31, l 32, m 33, n 34, o 35, ö 36, p 37, q 38, r 39, s 40, t 41, u 42,
// ü 43, v 44, w 45, x 46, y 47, z 48. The blank sorts first, so "kis " < "kiss".
const QHash<QChar, QString>& shippedLetterCodes();

// The kod2 of a cutter row: the beginning's key by the book rules, set just below it so that
// a heading equal to the beginning finds its row.
QString rowKey(const QString& beginning);

// Loads abc and cutter: one cutter row per name beginning of the shipped table, its mark the
// capital initial and the number ("K61"), its kod2 from rowKey().
void loadCutterTables(Database& db);

} // namespace kodrix::db
