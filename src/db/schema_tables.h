#pragma once

#include <QString>
#include <vector>

namespace kodrix::db {

// One table of the main database: its name, its key column (empty for link tables without a
// key of their own) and the column definitions of its create statement.
struct TableDef {
    const char* name;
    const char* key;
    const char* columns;
};

// An index on one column or on one expression of a table; "desc col" makes a descending one.
struct IndexDef {
    const char* table;
    const char* expression;
};

const std::vector<TableDef>& tables();
const std::vector<IndexDef>& indexes();
const TableDef* findTable(const QString& name);

} // namespace kodrix::db
