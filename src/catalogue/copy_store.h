#pragma once

#include "dates.h"
#include "record_store.h"

#include <optional>

namespace kodrix {

class Dialogs;

// The copies (kpld) of the records of one document type.
class CopyStore {
public:
    static inline const QString kNeedsPrice = QStringLiteral("A leltárkönyvbe mentéshez árat meg kell adni!");

    CopyStore(db::Database& db, const db::Clock& clock, const QString& documentType, const QString& librarian);

    std::vector<Record> copiesOf(const QVariant& recordId);
    // A new, unsaved copy of a record: this year as acquisition year, the given owner.
    Record newCopy(const QVariant& recordId, const QString& owner);

    enum class SaveResult { Saved, Cancelled, NeedsPrice };
    // The copy save with its questions in order; the price rule applies to the library's own
    // copies. A new copy gets its key here.
    SaveResult save(Record& copy, bool isNew, const QVariant& recordPrice, const QString& libraryCode,
                    Dialogs& dialogs);

    // Another copy (of any record and type) with this barcode: its inventory number.
    std::optional<QString> barcodeUsedElsewhere(const QString& barcode, const QVariant& ownKey);
    // The next inventory number of the type and prefix among the library's own copies that
    // are not discarded.
    qint64 nextInventoryNumber(const QString& prefix, const QString& libraryCode);
    // Stores a duplicate of the copy for a new barcode and returns it.
    Record duplicate(const Record& copy);
    // Warns, asks, and deletes the copy; true when deleted.
    bool remove(const Record& copy, Dialogs& dialogs);

    // The category a location gives a copy, or the current one.
    static QString categoryForLocation(const QString& location, const QString& current);
    static QString inventoryNumberText(const Record& copy);

private:
    std::optional<Record> otherCopyWithBarcode(const QString& barcode, const QVariant& ownKey);
    db::Database& db_;
    const db::Clock& clock_;
    QString type_;
    QString librarian_;
};

} // namespace kodrix
