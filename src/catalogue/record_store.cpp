#include "record_store.h"

#include "editable_table.h"
#include "schema.h"
#include "index_rebuild.h"
#include "search_text.h"

namespace kodrix {

Record toRecord(const db::Row& row) {
    Record r;
    for (int i = 0; i < row.count(); ++i) r.insert(row.columns().at(i).toLower(), row.value(i));
    return r;
}

std::vector<Record> toRecords(const db::Rows& rows) {
    std::vector<Record> out;
    out.reserve(rows.size());
    for (const db::Row& r : rows) out.push_back(toRecord(r));
    return out;
}

namespace {

QString text(const Record& r, const char* column) { return r.value(QLatin1String(column)).toString(); }

AuthorFields authorFields(const Record& r) {
    return {text(r, "szerzo"), text(r, "tft"), text(r, "mt"), text(r, "utalo")};
}

TitleFields titleFields(const Record& r) {
    return {text(r, "fc"),  text(r, "ac"),  text(r, "pc"),      text(r, "pac"),
            text(r, "sc1"), text(r, "sc2"), text(r, "tartmeg"), text(r, "kotet")};
}

} // namespace

RecordStore::RecordStore(db::Database& db, const db::Clock& clock, const QString& documentType,
                         const QString& librarian)
    : db_(db), clock_(clock), type_(documentType), librarian_(librarian) {}

const QStringList& RecordStore::descriptionColumns() {
    static const QStringList columns = {
        "szakj", "raktj",  "irmufaj", "szemtest", "szerzo",  "kiegadat", "fc",   "ac",   "pc",
        "pac",   "szerad", "kiadjel", "kiadas",   "kiadev",  "nyomda",   "ter",  "sc1",  "issn",
        "sc2",   "sorszam", "megj",   "tartmeg",  "isbn",    "kotes",    "ar",   "tmt",  "kotet",
        "eto",   "tft",    "tszo",    "nyelv",    "mt",      "utalo",    "pnem"};
    return columns;
}

RecordStore::Found RecordStore::find(FindMode mode, const QString& typed) {
    Found f;
    const QString pattern = db::prefixPattern(typed.trimmed());
    const auto withType = [&](db::Params p) {
        p.insert(QStringLiteral("t"), type_);
        return p;
    };
    bool ok = false;
    switch (mode) {
    case FindMode::Title:
        f.records = toRecords(db_.select(
            QStringLiteral("Select * from konyv where lower(fc) like :p and doktipus=:t order by fc collate HU_HU_ICU;"),
            withType({{QStringLiteral("p"), pattern}})));
        break;
    case FindMode::Author:
        f.records = toRecords(db_.select(
            QStringLiteral("Select * from konyv where lower(szerzo) like :p and doktipus=:t "
                           "order by szerzo collate HU_HU_ICU, fc collate HU_HU_ICU;"),
            withType({{QStringLiteral("p"), pattern}})));
        if (f.records.empty()) f.message = QStringLiteral("Nincs ilyen szerző");
        break;
    case FindMode::InventoryNumber:
    case FindMode::Barcode: {
        const bool byNumber = mode == FindMode::InventoryNumber;
        const qlonglong number = typed.toLongLong(&ok);
        if (byNumber && ok)
            f.copies = toRecords(db_.select(QStringLiteral("Select * from kpld where lszam=:v and doktipus=:t;"),
                                            withType({{QStringLiteral("v"), number}})));
        else if (!byNumber)
            f.copies = toRecords(db_.select(QStringLiteral("Select * from kpld where vonalkod=:v and doktipus=:t;"),
                                            withType({{QStringLiteral("v"), typed}})));
        if (!f.copies.empty()) {
            if (auto r = load(f.copies.front().value(QStringLiteral("id")))) f.records.push_back(*r);
        }
        if (f.records.empty())
            f.message = byNumber ? QStringLiteral("Nincs ilyen leltári számú dokumentum")
                                 : QStringLiteral("Nincs ilyen vonalkódú dokumentum");
        break;
    }
    case FindMode::Id: {
        if (typed.trimmed().isEmpty()) break;
        const qlonglong id = typed.trimmed().toLongLong(&ok);
        if (ok) {
            if (auto r = load(id, true)) f.records.push_back(*r);
        }
        if (f.records.empty()) f.message = QStringLiteral("Nincs ilyen sorszámú dokumentum");
        break;
    }
    }
    return f;
}

std::optional<Record> RecordStore::load(const QVariant& id, bool sameType) {
    const auto row = sameType ? db_.selectFirst(QStringLiteral("Select * from konyv where id=:id and doktipus=:t;"),
                                                {{QStringLiteral("id"), id}, {QStringLiteral("t"), type_}})
                              : db_.selectFirst(QStringLiteral("Select * from konyv where id=:id;"),
                                                {{QStringLiteral("id"), id}});
    if (!row) return std::nullopt;
    return toRecord(*row);
}

qint64 RecordStore::maxId() { return db_.scalar(QStringLiteral("select max(id) from konyv;")).toLongLong(); }

Record RecordStore::newRecord(const QString& currency) {
    Record r = db::emptyRow(QStringLiteral("konyv"));
    r.insert(QStringLiteral("id"), db_.nextId(QStringLiteral("konyv")));
    r.insert(QStringLiteral("szemtest"), QStringLiteral("s"));
    r.insert(QStringLiteral("nyelv"), QStringLiteral("magyar"));
    r.insert(QStringLiteral("pnem"), currency);
    r.insert(QStringLiteral("doktipus"), type_);
    r.insert(QStringLiteral("kvtaros1"), librarian_);
    r.insert(QStringLiteral("rdatum"), clock_.today());
    return r;
}

RecordStore::SaveResult RecordStore::save(Record& record, bool isNew, bool authorsChanged) {
    if (record.value(QStringLiteral("fc")).toString().isEmpty()) return SaveResult::MissingTitle;
    Record row = record;
    if (row.value(QStringLiteral("kvtaros1")).toString() != librarian_) {
        row.insert(QStringLiteral("kvtaros2"), librarian_);
        row.insert(QStringLiteral("mdatum"), clock_.today());
    }
    db::Transaction tx(db_);
    db::EditableTable konyv(db_, QStringLiteral("konyv"));
    if (isNew) {
        // The key was proposed when the record was started; another window may have used it.
        if (db_.scalar(QStringLiteral("select count(*) from konyv where id=:id"),
                       {{QStringLiteral("id"), row.value(QStringLiteral("id"))}})
                .toInt() > 0)
            row.insert(QStringLiteral("id"), db_.nextId(QStringLiteral("konyv")));
        konyv.insert(row);
    } else {
        konyv.modify(row);
    }
    rebuildIndexEntries(db_, row.value(QStringLiteral("id")), type_, authorFields(row), titleFields(row), isNew,
                        authorsChanged);
    tx.commit();
    record = row;
    return SaveResult::Saved;
}

Record RecordStore::copyRecord(const Record& source, bool* treatAsNew) {
    Record copy = db::emptyRow(QStringLiteral("konyv"));
    for (const QString& c : descriptionColumns()) {
        const QVariant v = source.value(c);
        if (!v.isNull() && !v.toString().isEmpty()) copy.insert(c, v);
    }
    if (copy.value(QStringLiteral("szemtest")).toString().isEmpty()) copy.insert(QStringLiteral("szemtest"), QStringLiteral("s"));
    db::Transaction tx(db_);
    copy.insert(QStringLiteral("id"), db_.nextId(QStringLiteral("konyv")));
    copy.insert(QStringLiteral("doktipus"), type_);
    copy.insert(QStringLiteral("kvtaros1"), librarian_);
    copy.insert(QStringLiteral("rdatum"), clock_.today());
    db::EditableTable(db_, QStringLiteral("konyv")).insert(copy);
    bool missing = false;
    const db::Params sourceId = {{QStringLiteral("id"), source.value(QStringLiteral("id"))}};
    for (const auto& [table, column] : {std::pair{"kszerzo", "szerzo"}, {"kcim", "cim"}}) {
        const db::Rows rows = db_.select(QStringLiteral("select * from %1 where id=:id order by sorszam;")
                                             .arg(QLatin1String(table)),
                                         sourceId);
        if (rows.empty()) missing = true;
        qint64 next = db_.nextId(QLatin1String(table), QStringLiteral("sorszam"));
        for (const db::Row& r : rows)
            db_.exec(QStringLiteral("insert into %1 (sorszam,doktipus,id,%2) values (:s,:t,:id,:v)")
                         .arg(QLatin1String(table), QLatin1String(column)),
                     {{QStringLiteral("s"), next++},
                      {QStringLiteral("t"), type_},
                      {QStringLiteral("id"), copy.value(QStringLiteral("id"))},
                      {QStringLiteral("v"), r.value(QLatin1String(column))}});
    }
    tx.commit();
    if (treatAsNew) *treatAsNew = missing;
    return copy;
}

void RecordStore::deleteRecord(const QVariant& id) {
    db::Transaction tx(db_);
    const db::Params p = {{QStringLiteral("id"), id}};
    db_.exec(QStringLiteral("delete from kpld where id=:id"), p);
    db_.exec(QStringLiteral("delete from kszerzo where id=:id"), p);
    db_.exec(QStringLiteral("delete from kcim where id=:id"), p);
    db_.exec(QStringLiteral("delete from konyv where id=:id"), p);
    tx.commit();
}

} // namespace kodrix
