#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kodrix {

enum class LineEnd { Lf, CrLf };

// Writes a text file whole in Windows-1250: through a temporary file renamed into place, so
// a failed write leaves the old file as it was. Returns false (with the reason in *error)
// when the file cannot be written.
bool writeWin1250File(const QString& path, const QStringList& lines, LineEnd lineEnd,
                      QString* error = nullptr);
// The same for text already joined by "\n".
bool writeWin1250Text(const QString& path, const QString& text, LineEnd lineEnd,
                      QString* error = nullptr);

// Reads a Windows-1250 text file into lines (CR LF or LF); nothing when it cannot be opened.
std::optional<QStringList> readWin1250File(const QString& path);

// Windows-1250 bytes of a text (characters outside the code page become "?"), and back;
// every byte value reads as one character and returns as the same byte.
QByteArray toWin1250(const QString& text);
QString fromWin1250(const QByteArray& bytes);

} // namespace kodrix
