#include "text_file.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace kodrix {

namespace {

// The code page byte by byte. The five bytes that Windows-1250 leaves unassigned (0x81, 0x83,
// 0x88, 0x90, 0x98) read as the control characters of the same number, as Windows itself
// reads them, so that every byte survives the way there and back.
struct CodePage {
    QChar toChar[256];
    QHash<char16_t, uchar> toByte;

    CodePage() {
        for (int b = 0; b < 256; ++b) {
            QStringDecoder decoder("windows-1250");
            const char byte = char(b);
            const QString s = decoder.decode(QByteArrayView(&byte, 1));
            QChar c = (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter) ? s.at(0) : QChar(b);
            toChar[b] = c;
            toByte.insert(c.unicode(), uchar(b));
        }
    }
};

const CodePage& codePage() {
    static const CodePage page;
    return page;
}

} // namespace

QByteArray toWin1250(const QString& text) {
    const CodePage& page = codePage();
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) out.append(char(page.toByte.value(c.unicode(), uchar('?'))));
    return out;
}

QString fromWin1250(const QByteArray& bytes) {
    const CodePage& page = codePage();
    QString out;
    out.reserve(bytes.size());
    for (const char b : bytes) out.append(page.toChar[uchar(b)]);
    return out;
}

bool writeWin1250Text(const QString& path, const QString& text, LineEnd lineEnd, QString* error) {
    QString body = text;
    if (lineEnd == LineEnd::CrLf) {
        body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        body.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    file.write(toWin1250(body));
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

bool writeWin1250File(const QString& path, const QStringList& lines, LineEnd lineEnd,
                      QString* error) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1Char('\n');
    }
    return writeWin1250Text(path, text, lineEnd, error);
}

std::optional<QStringList> readWin1250File(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QString text = fromWin1250(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace kodrix
