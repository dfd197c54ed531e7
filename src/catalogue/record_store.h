#pragma once

#include "database.h"
#include "dates.h"

#include <optional>
#include <vector>

namespace kodrix {

using Record = QVariantMap;  // column name (lower case) -> value

// The bibliographic records of one document type: finding, creating, saving with the index
// rebuild, copying and deleting.
class RecordStore {
public:
    enum class FindMode { Title, Author, InventoryNumber, Barcode, Id };

    struct Found {
        std::vector<Record> records;
        std::vector<Record> copies;  // the copies found by inventory number or barcode
        QString message;             // shown when nothing was found (may be empty)
    };

    RecordStore(db::Database& db, const db::Clock& clock, const QString& documentType,
                const QString& librarian);

    Found find(FindMode mode, const QString& text);
    // A record by its key; with the current document type only when sameType is set.
    std::optional<Record> load(const QVariant& id, bool sameType = false);
    qint64 maxId();

    // A new, unsaved record with its defaults and the next key.
    Record newRecord(const QString& currency);

    enum class SaveResult { Saved, MissingTitle };
    // Saves the record (stamping the modifying librarian) and rebuilds its index rows, all in
    // one transaction.
    SaveResult save(Record& record, bool isNew, bool authorsChanged);

    // Stores a copy of the record as a new record with copies of its index rows; sets
    // *treatAsNew when the source had no author rows or no title rows.
    Record copyRecord(const Record& source, bool* treatAsNew);

    // Deletes the record's copies, index rows and the record itself.
    void deleteRecord(const QVariant& id);

    static const QStringList& descriptionColumns();

private:
    db::Database& db_;
    const db::Clock& clock_;
    QString type_;
    QString librarian_;
};

Record toRecord(const db::Row& row);
std::vector<Record> toRecords(const db::Rows& rows);

} // namespace kodrix
