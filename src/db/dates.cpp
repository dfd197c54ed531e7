#include "dates.h"

#include <QRegularExpression>

namespace kodrix::db {

QString dateText(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("yyyy.MM.dd")) : QString();
}

QDate parseDateText(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{4})[.-](\\d{1,2})[.-](\\d{1,2})\\.?\\s*$"));
    const auto m = form.match(text);
    if (!m.hasMatch()) return QDate();
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

} // namespace kodrix::db
