#pragma once

#include "record_store.h"

#include <QStringList>

namespace kodrix {

// The catalogue card of a record: an ISBD-style description with its punctuation, then the
// notes, standard numbers and added entries, one text line each.
QStringList bookCard(const Record& record);
// The card of an audio record, with its paragraphs broken into card lines.
QStringList audioCard(const Record& record);

// A price in its shortest form with the locale's decimal separator ("1500", "12,5");
// empty for no price or 0.
QString priceText(const QVariant& price);

} // namespace kodrix
