#include "list_editor.h"

#include "editable_table.h"
#include "schema_tables.h"

namespace kodrix::db {

ListEditor::ListEditor(Database& db, const QString& table, const QList<ListColumn>& columns,
                       const QString& selectSql)
    : db_(db), table_(table), columns_(columns), selectSql_(selectSql) {
    const TableDef* def = findTable(table);
    key_ = def ? QString::fromLatin1(def->key) : QStringLiteral("id");
}

void ListEditor::setSelect(const QString& selectSql, const Params& params) {
    selectSql_ = selectSql;
    selectParams_ = params;
}

void ListEditor::load() {
    rows_.clear();
    for (const Row& r : db_.select(selectSql_, selectParams_)) {
        Entry e;
        for (int i = 0; i < r.count(); ++i) e.values.insert(r.columns().at(i).toLower(), r.value(i));
        e.storedKey = e.values.value(key_);
        rows_.push_back(std::move(e));
    }
}

QVariant ListEditor::value(int row, const QString& column) const {
    return rows_.at(row).values.value(column.toLower());
}

void ListEditor::setValue(int row, const QString& column, const QVariant& value) {
    Entry& e = rows_.at(row);
    const QString name = column.toLower();
    // A stored row keeps its key.
    if (name == key_ && !e.isNew) return;
    if (e.values.value(name) == value) return;
    e.values.insert(name, value);
    e.dirty = true;
}

bool ListEditor::hasPendingRows() const {
    for (const Entry& e : rows_)
        if (e.isNew || e.dirty) return true;
    return false;
}

void ListEditor::stampPending(const QString& column, const QVariant& value) {
    for (Entry& e : rows_)
        if (e.isNew || e.dirty) e.values.insert(column.toLower(), value);
}

int ListEditor::append(const QVariant& key) {
    Entry e;
    e.isNew = true;
    e.dirty = true;
    for (auto it = defaults_.cbegin(); it != defaults_.cend(); ++it) e.values.insert(it.key().toLower(), it.value());
    if (key.isValid()) e.values.insert(key_, key);
    rows_.push_back(std::move(e));
    return rowCount() - 1;
}

qint64 ListEditor::proposeKey() const {
    qint64 next = db_.nextId(table_, key_);
    for (const Entry& e : rows_)
        if (e.isNew) next = std::max(next, e.values.value(key_).toLongLong() + 1);
    return next;
}

QVariantMap ListEditor::converted(const QVariantMap& values) const {
    QVariantMap out = values;
    for (const ListColumn& c : columns_) {
        const QString name = c.name.toLower();
        const QVariant v = out.value(name);
        if (c.kind != ListColumn::Kind::Integer || v.isNull()) continue;
        const QString text = v.toString().trimmed();
        if (text.isEmpty()) {
            out.insert(name, QVariant());
            continue;
        }
        bool ok = false;
        const qlonglong n = text.toLongLong(&ok);
        if (!ok) throw DbError(QStringLiteral("A(z) „%1” oszlopba egész számot kell írni: %2").arg(c.caption, text));
        out.insert(name, n);
    }
    return out;
}

void ListEditor::saveRow(int row, bool assignKey) {
    Entry& e = rows_.at(row);
    if (!e.dirty && !e.isNew) return;
    QVariantMap values = converted(e.values);
    EditableTable table(db_, table_);
    if (e.isNew) {
        if (assignKey && values.value(key_).toString().trimmed().isEmpty())
            values.insert(key_, db_.nextId(table_, key_));
        table.insert(values);
    } else {
        values.insert(key_, e.storedKey);
        table.modify(values);
    }
    e.values = values;
    e.storedKey = values.value(key_);
    e.isNew = false;
    e.dirty = false;
}

void ListEditor::saveAll(bool assignKeys) {
    for (int i = 0; i < rowCount(); ++i) saveRow(i, assignKeys);
}

void ListEditor::removeRow(int row) {
    Entry& e = rows_.at(row);
    if (!e.isNew) EditableTable(db_, table_).remove(e.storedKey);
    rows_.erase(rows_.begin() + row);
}

} // namespace kodrix::db
