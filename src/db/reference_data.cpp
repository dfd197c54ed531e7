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
    // Reader categories: "Regisztrált tag" is the one circulation treats specially (no own
    // barcode, no lending); the others are the usual ones of a school or municipal library.
    insertRows(db, QStringLiteral("olvkat"),
               {QStringLiteral("id"), QStringLiteral("katnev"), QStringLiteral("tagdij"),
                QStringLiteral("kolcsdok"), QStringLiteral("fkap")},
               {
                   {1, QStringLiteral("Diák"), 0, 5, QStringLiteral("i")},
                   {2, QStringLiteral("Felnőtt"), 0, 5, QStringLiteral("i")},
                   {3, QStringLiteral("Pedagógus"), 0, 10, QStringLiteral("i")},
                   {4, QStringLiteral("Nyugdíjas"), 0, 5, QStringLiteral("i")},
                   {5, QStringLiteral("Regisztrált tag"), 0, 0, QStringLiteral("n")},
               });
    // Departments: the two that the issue loans of the periodicals tell apart.
    insertRows(db, QStringLiteral("reszleg"), {QStringLiteral("id"), QStringLiteral("reszleg")},
               {{1, QStringLiteral("Felnőtt")}, {2, QStringLiteral("Gyerek")}});
}

} // namespace kodrix::db
