#pragma once

#include <QByteArray>

class QTextDocument;

namespace kodrix {

// Rich text files. The writer keeps what the card editor can hold: fonts, sizes, bold,
// italic, underline, paragraph alignment, first-line indent and bullets; text in Windows-1250
// with \uN for characters outside it. The reader takes files written by us and by common word
// processors: unknown control words and groups are skipped, text and the formatting above kept.
QByteArray writeRtf(const QTextDocument& document);
// Replaces the document's content; false when the data is not RTF.
bool readRtf(const QByteArray& data, QTextDocument& document);

} // namespace kodrix
