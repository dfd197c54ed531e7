#include "library_lists.h"

namespace kodrix {

QStringList namesOf(db::Database& db, const QString& sql, const QString& column, const db::Params& params) {
    QStringList names;
    for (const db::Row& r : db.select(sql, params))
        if (!r.text(column).isEmpty()) names.append(r.text(column));
    return names;
}

QStringList locationNames(db::Database& db) {
    return namesOf(db, QStringLiteral("select * from lhely order by lhely collate HU_HU_ICU;"), QStringLiteral("lhely"));
}

QStringList ownerCodes(db::Database& db) {
    return namesOf(db, QStringLiteral("select * from kvtarkod order by kvtarkod collate HU_HU_ICU;"),
                   QStringLiteral("kvtarkod"));
}

} // namespace kodrix
