#include "reference_data.h"

namespace kodrix::db {

void insertRows(Database& db, const QString& table, const QStringList& columns,
                const QList<QVariantList>& rows) {
    QStringList holders;
    for (const QString& c : columns) holders.append(QLatin1Char(':') + c);
    const QString sql = QStringLiteral("insert into %1 (%2) values (%3)")
                            .arg(table, columns.join(QLatin1Char(',')), holders.join(QLatin1Char(',')));
    Transaction tx(db);
    for (const QVariantList& row : rows) {
        Params p;
        for (int i = 0; i < columns.size(); ++i) p.insert(columns.at(i), row.value(i));
        db.exec(sql, p);
    }
    tx.commit();
}

void loadReferenceLists(Database& db) {
    // Departments: no window edits this list; the issue loans of the periodicals tell these
    // two apart. Reader categories and the other lists are the library's own to fill.
    insertRows(db, QStringLiteral("reszleg"), {QStringLiteral("id"), QStringLiteral("reszleg")},
               {{1, QStringLiteral("Felnőtt")}, {2, QStringLiteral("Gyerek")}});
}

} // namespace kodrix::db
