#pragma once

#include "database.h"

#include <QStringList>

namespace kodrix::db {

// Adds rows to a table in one transaction; each row gives the values of `columns` in order.
void insertRows(Database& db, const QString& table, const QStringList& columns,
                const QList<QVariantList>& rows);

// The lists a new library starts with.
void loadReferenceLists(Database& db);

} // namespace kodrix::db
