#pragma once

#include "database.h"

#include <QStringList>

namespace kodrix::db {

// A table edited row by row through three statements with named parameters:
//   insert into t (c1,c2) values (:c1,:c2)
//   update t set c1=:c1,c2=:c2 where key=:key     (found again by its current key)
//   delete from t where key=:old_key              (the key as it was read)
// A row is a map from column name to value; columns it lacks are written as NULL.
class EditableTable {
public:
    EditableTable(Database& db, const QString& table);
    EditableTable(Database& db, const QString& table, const QString& key, const QStringList& columns);

    void insert(const QVariantMap& row);
    void modify(const QVariantMap& row);
    void remove(const QVariant& oldKey);

    const QString& key() const { return key_; }
    const QStringList& columns() const { return columns_; }
    QString insertStatement() const;
    QString modifyStatement() const;
    QString deleteStatement() const;

private:
    Params paramsOf(const QVariantMap& row) const;
    Params keyedParams(const QVariantMap& row) const;
    Database& db_;
    QString table_;
    QString key_;
    QStringList columns_;
};

} // namespace kodrix::db
