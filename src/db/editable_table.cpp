#include "editable_table.h"

#include "schema.h"
#include "schema_tables.h"

namespace kodrix::db {

EditableTable::EditableTable(Database& db, const QString& table)
    : db_(db), table_(table) {
    const TableDef* def = findTable(table);
    if (!def) throw DbError(QStringLiteral("Ismeretlen tábla: %1").arg(table));
    key_ = QString::fromLatin1(def->key);
    columns_ = columnNames(*def);
}

EditableTable::EditableTable(Database& db, const QString& table, const QString& key,
                             const QStringList& columns)
    : db_(db), table_(table), key_(key), columns_(columns) {}

QString EditableTable::insertStatement() const {
    QStringList holders;
    for (const QString& c : columns_) holders.append(QLatin1Char(':') + c);
    return QStringLiteral("insert into %1 (%2) values (%3);")
        .arg(table_, columns_.join(QLatin1Char(',')), holders.join(QLatin1Char(',')));
}

QString EditableTable::modifyStatement() const {
    QStringList sets;
    for (const QString& c : columns_) sets.append(c + QStringLiteral("=:") + c);
    return QStringLiteral("update %1 set %2 where %3=:%3;")
        .arg(table_, sets.join(QLatin1Char(',')), key_);
}

QString EditableTable::deleteStatement() const {
    return QStringLiteral("delete from %1 where %2=:old_%2;").arg(table_, key_);
}

Params EditableTable::paramsOf(const QVariantMap& row) const {
    Params p;
    for (const QString& c : columns_) {
        QVariant v;
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            if (it.key().compare(c, Qt::CaseInsensitive) == 0) v = it.value();
        p.insert(c, v);
    }
    return p;
}

Params EditableTable::keyedParams(const QVariantMap& row) const {
    Params p = paramsOf(row);
    // The driver writes a NULL bound to a NOT NULL column as 0 instead of refusing it, so a
    // row without its key is refused here.
    if (!key_.isEmpty() && p.value(key_).toString().trimmed().isEmpty())
        throw DbError(QStringLiteral("A sor nem tárolható: a kulcs (%1.%2) üres.").arg(table_, key_));
    return p;
}

void EditableTable::insert(const QVariantMap& row) { db_.exec(insertStatement(), keyedParams(row)); }

void EditableTable::modify(const QVariantMap& row) { db_.exec(modifyStatement(), keyedParams(row)); }

void EditableTable::remove(const QVariant& oldKey) {
    db_.exec(deleteStatement(), {{QStringLiteral("old_") + key_, oldKey}});
}

} // namespace kodrix::db
