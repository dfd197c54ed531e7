#pragma once

#include "database.h"

#include <QStringList>
#include <functional>

namespace kodrix::db {

struct TableDef;

// One upgrade of the schema. Steps run in order at start, each once; a step only adds
// (tables, columns, indexes, reference rows) and never drops data.
struct UpgradeStep {
    int version;
    const char* description;
    std::function<void(Database&)> run;
};

const std::vector<UpgradeStep>& upgradeSteps();
int latestSchemaVersion();
// 0 for a database without the version table (a new, empty file).
int schemaVersion(Database& db);
// Brings an open database up to the latest version (or up to `target`).
void upgradeSchema(Database& db, int target = 0);

// The column names of a table, in the order of its insert statement.
QStringList columnNames(const TableDef& table);
QStringList columnNames(const QString& table);
// A row of the table with every column present and NULL.
QVariantMap emptyRow(const QString& table);

} // namespace kodrix::db
