#include "shelf_mark.h"

namespace kodrix {

std::optional<QString> cutterMark(db::Database& db, const QString& heading, const QString& title,
                                  db::ShelfMarkVariant variant) {
    QHash<QChar, QString> codes;
    for (const db::Row& r : db.select(QStringLiteral("select * from abc;")))
        if (!r.text(QStringLiteral("betu")).isEmpty() && !r.text(QStringLiteral("kod")).isEmpty())
            codes.insert(r.text(QStringLiteral("betu")).at(0), r.text(QStringLiteral("kod")));
    const QString key = db::shelfMarkKey(db::shelfMarkText(heading.isEmpty() ? title : heading, variant), codes);
    // The last row, in kod2 order, whose kod2 is below the key.
    const auto row = db.selectFirst(QStringLiteral("select first 1 kod from cutter where kod2 < :key order by kod2 desc;"),
                                    {{QStringLiteral("key"), key}});
    if (!row) return std::nullopt;
    return row->text(QStringLiteral("kod"));
}

} // namespace kodrix
