#include "copy_store.h"

#include "dialogs.h"
#include "editable_table.h"
#include "schema.h"

namespace kodrix {

namespace {
const QString kKpld = QStringLiteral("kpld");
QString text(const Record& r, const char* c) { return r.value(QLatin1String(c)).toString(); }
} // namespace

CopyStore::CopyStore(db::Database& db, const db::Clock& clock, const QString& documentType,
                     const QString& librarian)
    : db_(db), clock_(clock), type_(documentType), librarian_(librarian) {}

std::vector<Record> CopyStore::copiesOf(const QVariant& recordId) {
    return toRecords(db_.select(QStringLiteral("select * from kpld where id=:id order by sorszam;"),
                                {{QStringLiteral("id"), recordId}}));
}

Record CopyStore::newCopy(const QVariant& recordId, const QString& owner) {
    Record c = db::emptyRow(kKpld);
    c.insert(QStringLiteral("id"), recordId);
    c.insert(QStringLiteral("beszdatum"), db::dateText(clock_.today()).left(4));
    c.insert(QStringLiteral("tulaj"), owner);
    return c;
}

QString CopyStore::inventoryNumberText(const Record& copy) {
    QString t = text(copy, "lbetu") + text(copy, "lszam");
    if (!text(copy, "lszam2").isEmpty()) t += QLatin1Char('/') + text(copy, "lszam2");
    return t;
}

std::optional<Record> CopyStore::otherCopyWithBarcode(const QString& barcode, const QVariant& ownKey) {
    if (barcode.isEmpty()) return std::nullopt;
    // Every other copy counts, the record's own other copies too: two copies with one barcode
    // cannot be told apart at the lending desk.
    const auto row = db_.selectFirst(QStringLiteral("Select * from kpld where vonalkod=:v and sorszam<>:s;"),
                                     {{QStringLiteral("v"), barcode},
                                      {QStringLiteral("s"), ownKey.isNull() ? QVariant(-1) : ownKey}});
    if (!row) return std::nullopt;
    return toRecord(*row);
}

std::optional<QString> CopyStore::barcodeUsedElsewhere(const QString& barcode, const QVariant& ownKey) {
    const auto other = otherCopyWithBarcode(barcode, ownKey);
    if (!other) return std::nullopt;
    return inventoryNumberText(*other);
}

CopyStore::SaveResult CopyStore::save(Record& copy, bool isNew, const QVariant& recordPrice,
                                      const QString& libraryCode, Dialogs& dialogs) {
    const QVariant number = copy.value(QStringLiteral("lszam"));
    const QVariant recordId = copy.value(QStringLiteral("id"));
    if (number.isNull() || number.toString().isEmpty()) {
        if (dialogs.ask(QStringLiteral("Nincs megadva a leltári szám! Menti?")) != Dialogs::Answer::Yes)
            return SaveResult::Cancelled;
    } else {
        const db::Rows same = db_.select(QStringLiteral("Select id,doktipus,lszam from kpld where lszam=:l and doktipus=:t;"),
                                         {{QStringLiteral("l"), number}, {QStringLiteral("t"), type_}});
        const bool usedElsewhere = std::any_of(same.begin(), same.end(), [&](const db::Row& r) {
            return r.value(QStringLiteral("id")) != recordId;
        });
        if (usedElsewhere &&
            dialogs.ask(QStringLiteral("Ilyen leltári számú dokumentum már létezik. Folytatja a mentést?")) !=
                Dialogs::Answer::Yes)
            return SaveResult::Cancelled;
    }
    const auto other = otherCopyWithBarcode(text(copy, "vonalkod"), isNew ? QVariant() : copy.value(QStringLiteral("sorszam")));
    if (other && dialogs.ask(QStringLiteral("Ilyen vonalkódú dokumentum már létezik!\nSorszám: %1. Folytatja a mentést?")
                                 .arg(other->value(QStringLiteral("id")).toString())) != Dialogs::Answer::Yes)
        return SaveResult::Cancelled;
    Record row = copy;
    if (isNew) {
        row.insert(QStringLiteral("kvtaros1"), librarian_);
        row.insert(QStringLiteral("rdatum"), clock_.today());
        row.insert(QStringLiteral("doktipus"), type_);
    } else {
        row.insert(QStringLiteral("kvtaros2"), librarian_);
        row.insert(QStringLiteral("mdatum"), clock_.today());
    }
    if ((recordPrice.isNull() || recordPrice.toString().isEmpty()) && text(row, "tulaj") == libraryCode) {
        dialogs.message(kNeedsPrice);
        return SaveResult::NeedsPrice;
    }
    db::EditableTable kpld(db_, kKpld);
    if (isNew) {
        row.insert(QStringLiteral("sorszam"), db_.nextId(kKpld, QStringLiteral("sorszam")));
        kpld.insert(row);
    } else {
        kpld.modify(row);
    }
    copy = row;
    return SaveResult::Saved;
}

qint64 CopyStore::nextInventoryNumber(const QString& prefix, const QString& libraryCode) {
    // A copy without a lending status is not discarded: it counts (coalesce), so its number
    // is not handed out again.
    QString where = QStringLiteral("doktipus=:t and tulaj=:k and coalesce(statusz,'')<>'Selejtezve'");
    db::Params p = {{QStringLiteral("t"), type_}, {QStringLiteral("k"), libraryCode}};
    const QString trimmed = prefix.trimmed();
    if (!trimmed.isEmpty()) {
        where += QStringLiteral(" and lbetu=:b");
        p.insert(QStringLiteral("b"), trimmed);
    }
    return db_.nextIdWhere(kKpld, QStringLiteral("lszam"), where, p);
}

Record CopyStore::duplicate(const Record& copy) {
    Record d = db::emptyRow(kKpld);
    for (const char* c : {"lbetu", "lszam", "lhely", "kat", "statusz", "beszhely", "beszmod", "gynyt",
                          "beszdatum", "alldatum", "tulaj"}) {
        const QVariant v = copy.value(QLatin1String(c));
        if (!v.isNull() && !v.toString().isEmpty()) d.insert(QLatin1String(c), v);
    }
    bool ok = false;
    const int volume = text(copy, "kotszam").trimmed().toInt(&ok);
    if (ok && volume >= 0) d.insert(QStringLiteral("kotszam"), QString::number(volume + 1));
    d.insert(QStringLiteral("kvtaros1"), librarian_);
    d.insert(QStringLiteral("rdatum"), clock_.today());
    d.insert(QStringLiteral("doktipus"), type_);
    d.insert(QStringLiteral("id"), copy.value(QStringLiteral("id")));
    d.insert(QStringLiteral("sorszam"), db_.nextId(kKpld, QStringLiteral("sorszam")));
    db::EditableTable(db_, kKpld).insert(d);
    return d;
}

bool CopyStore::remove(const Record& copy, Dialogs& dialogs) {
    dialogs.message(QStringLiteral("Figyelem! Selejtezéshez tegye selejtjegyzékre, majd úgy selejtezze!!!"));
    if (!dialogs.confirmDelete()) return false;
    db::EditableTable(db_, kKpld).remove(copy.value(QStringLiteral("sorszam")));
    return true;
}

QString CopyStore::categoryForLocation(const QString& location, const QString& current) {
    if (location.left(6) == QLatin1String("Gyerek")) return QStringLiteral("Ifjúsági");
    if (location.startsWith(QLatin1String("Helyism")) || location.startsWith(QStringLiteral("Helytört")))
        return QStringLiteral("Helyismeret");
    return current;
}

} // namespace kodrix
