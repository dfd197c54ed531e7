#pragma once

#include "database.h"

#include <QStringList>

namespace kodrix {

// The library's own lists as the windows offer them: in Hungarian order, empty names left out.
QStringList locationNames(db::Database& db);
QStringList ownerCodes(db::Database& db);

// The non-empty values of one column of a statement's rows, in their order.
QStringList namesOf(db::Database& db, const QString& sql, const QString& column, const db::Params& params = {});

} // namespace kodrix
