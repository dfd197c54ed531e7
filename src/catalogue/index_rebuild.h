#pragma once

#include "database.h"
#include "index_entries.h"

namespace kodrix {

// Rebuilds the author (kszerzo) and title (kcim) index rows of a record after its save.
// Titles are rebuilt on every save of a stored record; authors only when an author field was
// edited. A new record keeps rows it already has (copied or typed by hand). Runs in the
// caller's transaction, or in its own.
void rebuildIndexEntries(db::Database& db, const QVariant& recordId, const QString& documentType,
                         const AuthorFields& authors, const TitleFields& titles, bool isNew,
                         bool authorsChanged);

} // namespace kodrix
