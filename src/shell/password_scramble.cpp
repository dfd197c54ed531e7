#include "password_scramble.h"

#include "text_file.h"

namespace kodrix {

namespace {
constexpr int kMaxLength = 12;
const QString kFixedKey = QStringLiteral("K8w=)(#éóp");
} // namespace

QString scramblePassword(const QString& loginId, const QString& password) {
    const QByteArray key = toWin1250(loginId + kFixedKey).left(kMaxLength);
    const QByteArray plain = toWin1250(password).left(kMaxLength);
    QByteArray out;
    for (int i = 0; i < plain.size(); ++i) {
        const int k = i < key.size() ? uchar(key.at(i)) : 0;
        int c = k ^ uchar(plain.at(i));
        if (c < 33) c += 199;
        out.append(char(c));
    }
    return fromWin1250(out);
}

} // namespace kodrix
