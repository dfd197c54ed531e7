#pragma once

#include "database.h"

#include <QStringList>
#include <vector>

namespace kodrix::db {

// One column of a list shown in a grid.
struct ListColumn {
    enum class Kind { Text, Integer };
    QString name;
    QString caption;
    Kind kind = Kind::Text;
    int maxLength = 0;  // 0: as wide as the column allows
};

// An editable list of table rows, as a grid shows it: rows are read with all their columns,
// edited in memory, and written back one by one through the table's insert, modify and delete
// statements. Columns the grid does not show are written back as they were read. A stored
// row keeps its key; a new row gets the key typed into it or, when asked, the next key.
class ListEditor {
public:
    ListEditor(Database& db, const QString& table, const QList<ListColumn>& columns,
               const QString& selectSql);

    void load();
    // A list of some rows only: the statement's values are bound.
    void setSelect(const QString& selectSql, const Params& params);
    // Values every appended row starts with (the record a row belongs to...).
    void setDefaults(const QVariantMap& defaults) { defaults_ = defaults; }
    int rowCount() const { return int(rows_.size()); }
    const QList<ListColumn>& columns() const { return columns_; }
    const QString& keyColumn() const { return key_; }

    QVariant value(int row, const QString& column) const;
    void setValue(int row, const QString& column, const QVariant& value);
    bool isNew(int row) const { return rows_.at(row).isNew; }
    bool isDirty(int row) const { return rows_.at(row).dirty; }
    bool hasPendingRows() const;
    // Sets a column of every new or changed row (the document type a save stamps).
    void stampPending(const QString& column, const QVariant& value);

    // Appends an empty row, with the proposed key when one is given; returns its index.
    int append(const QVariant& key = QVariant());
    // The next free key of the table (also above the keys typed into new rows).
    qint64 proposeKey() const;

    // Stores one row. A new row without a key gets the next key when assignKey is set;
    // otherwise the database decides (and rejects a row without a key).
    void saveRow(int row, bool assignKey);
    // Stores every new or changed row in order; the first failure stops with its error,
    // leaving the rows before it stored and the failed one still pending.
    void saveAll(bool assignKeys);
    // Deletes a row: from the table by its key as read when it is stored, from the list anyway.
    void removeRow(int row);

private:
    struct Entry {
        QVariantMap values;
        QVariant storedKey;
        bool isNew = false;
        bool dirty = false;
    };
    QVariantMap converted(const QVariantMap& values) const;

    Database& db_;
    QString table_;
    QString key_;
    QList<ListColumn> columns_;
    QString selectSql_;
    Params selectParams_;
    QVariantMap defaults_;
    std::vector<Entry> rows_;
};

} // namespace kodrix::db
