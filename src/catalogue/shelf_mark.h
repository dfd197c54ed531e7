#pragma once

#include "cutter_keys.h"
#include "database.h"

#include <optional>

namespace kodrix {

// The author mark of the Cutter table for a heading (or, without one, the title): the key of
// the text against the letter table abc, and the last cutter row whose key is below it.
// Nothing when every row's key is above it.
std::optional<QString> cutterMark(db::Database& db, const QString& heading, const QString& title,
                                  db::ShelfMarkVariant variant = db::ShelfMarkVariant::Book);

} // namespace kodrix
