#pragma once

#include <QString>

namespace kodrix::db {

// The Cutter–Sanborn three-figure table shipped with the program: lines of a number followed
// by the name beginnings that start at it, one per initial-letter group.
QString cutterSanbornTable();

} // namespace kodrix::db
