#include "text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace kodrix {

QByteArray toWin1250(const QString& text) {
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

QString fromWin1250(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1250");
    return decoder.decode(bytes);
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
