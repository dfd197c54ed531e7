#pragma once

#include "copy_store.h"
#include "record_store.h"
#include "test_database.h"

namespace kodrix::test {

// The record and copy logic of one document type on a fresh database, with a librarian.
class CatalogueTest : public DbTest {
protected:
    RecordStore records{db, clock, QStringLiteral("Könyv"), QStringLiteral("Kiss Anna")};
    CopyStore copies{db, clock, QStringLiteral("Könyv"), QStringLiteral("Kiss Anna")};

    // Saves a new book with the given fields and returns it as stored.
    Record addBook(const QVariantMap& fields) {
        Record r = records.newRecord(QStringLiteral("Ft"));
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) r.insert(it.key(), it.value());
        EXPECT_EQ(records.save(r, true, false), RecordStore::SaveResult::Saved);
        return r;
    }
    QStringList entries(const char* table, const char* column, const QVariant& id) {
        QStringList out;
        for (const db::Row& row : db.select(QStringLiteral("select %1 from %2 where id=:id order by sorszam")
                                                .arg(QLatin1String(column), QLatin1String(table)),
                                            {{QStringLiteral("id"), id}}))
            out.append(row.text(QLatin1String(column)));
        return out;
    }
    QList<int> keys(const char* table, const QVariant& id) {
        QList<int> out;
        for (const db::Row& row : db.select(QStringLiteral("select sorszam from %1 where id=:id order by sorszam")
                                                .arg(QLatin1String(table)),
                                            {{QStringLiteral("id"), id}}))
            out.append(row.toInt(QStringLiteral("sorszam")));
        return out;
    }
};

} // namespace kodrix::test
