#include "cutter_keys.h"

#include "cutter_data.h"

namespace kodrix::db {

namespace {

QChar folded(QChar c) {
    switch (c.unicode()) {
    case u'á': return u'a';
    case u'é': return u'e';
    case u'í': return u'i';
    case u'ó': return u'o';
    case u'ő': return u'ö';
    case u'ú': return u'u';
    case u'ű': return u'ü';
    default: return c;
    }
}

void removeFirst(QString& text, QChar c) {
    const int i = text.indexOf(c);
    if (i >= 0) text.remove(i, 1);
}

void replaceFirst(QString& text, QChar c, QChar with) {
    const int i = text.indexOf(c);
    if (i >= 0) text[i] = with;
}

} // namespace

const QHash<QChar, QString>& shippedLetterCodes() {
    static const QHash<QChar, QString> codes = [] {
        QHash<QChar, QString> h;
        int code = 10;
        h.insert(QLatin1Char(' '), QString::number(code++));
        for (char d = '0'; d <= '9'; ++d) h.insert(QLatin1Char(d), QString::number(code++));
        for (const QChar c : QStringLiteral("abcdefghijklmnoöpqrstuüvwxyz")) h.insert(c, QString::number(code++));
        return h;
    }();
    return codes;
}

QString shelfMarkText(const QString& source, ShelfMarkVariant variant) {
    QString t = source.left(12).toLower().left(12);
    const int comma = t.indexOf(QLatin1Char(','));
    const int blank = t.indexOf(QLatin1Char(' '));
    if (comma >= 0 && blank >= 0 && blank < comma) {
        t.remove(comma, 1);
        t.remove(blank, 1);
    }
    if (t.startsWith(QLatin1String("a ")))
        t.remove(0, 2);
    else if (t.startsWith(QLatin1String("az ")))
        t.remove(0, 3);
    removeFirst(t, QLatin1Char('\''));
    if (variant == ShelfMarkVariant::Book) {
        replaceFirst(t, QLatin1Char('-'), QLatin1Char(' '));
        replaceFirst(t, QLatin1Char('.'), QLatin1Char(' '));
        for (int pos = 0; pos < 3; ++pos)
            if (pos < t.size() && t.at(pos) == QLatin1Char(' ')) t.remove(pos, 1);
    } else {
        removeFirst(t, QLatin1Char('-'));
        removeFirst(t, QLatin1Char('.'));
    }
    if (t.size() < 8) t.append(QLatin1Char(' '));
    return t;
}

QString shelfMarkKey(const QString& text, const QHash<QChar, QString>& codes) {
    QString key;
    for (const QChar c : text) {
        const QString code = codes.value(folded(c));
        if (!code.isEmpty()) key += code;
    }
    return key.left(24);
}

QString rowKey(const QString& beginning) {
    // The row must sort below every heading that begins with it, the heading equal to it
    // included ("<" in the lookup): its last code is lowered by one and a 9 follows, which
    // sorts above any code's first digit. Headings before the beginning stay below the row.
    QString key = shelfMarkKey(shelfMarkText(beginning, ShelfMarkVariant::Book), shippedLetterCodes());
    if (key.size() < 2) return key;
    const int last = key.right(2).toInt() - 1;
    key.chop(2);
    return key + QStringLiteral("%1").arg(last, 2, 10, QLatin1Char('0')) + QLatin1Char('9');
}

void loadCutterTables(Database& db) {
    Transaction tx(db);
    Statement letter(db, QStringLiteral("insert into abc (id,betu,kod) values (:id,:betu,:kod)"));
    const auto& codes = shippedLetterCodes();
    QList<QChar> letters = codes.keys();
    std::sort(letters.begin(), letters.end(), [&](QChar a, QChar b) { return codes.value(a) < codes.value(b); });
    int id = 0;
    for (const QChar c : letters) letter.exec({{QStringLiteral("id"), ++id}, {QStringLiteral("betu"), QString(c)},
                                               {QStringLiteral("kod"), codes.value(c)}});
    Statement row(db, QStringLiteral("insert into cutter (id,betu,kod,kod2) values (:id,:betu,:kod,:kod2)"));
    id = 0;
    for (const QString& line : cutterSanbornTable().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(QLatin1Char(','));
        const QString number = parts.value(0).trimmed();
        for (int i = 1; i < parts.size(); ++i) {
            const QString beginning = parts.at(i).trimmed();
            if (beginning.isEmpty()) continue;
            row.exec({{QStringLiteral("id"), ++id},
                      {QStringLiteral("betu"), beginning},
                      {QStringLiteral("kod"), beginning.left(1).toUpper() + number},
                      {QStringLiteral("kod2"), rowKey(beginning)}});
        }
    }
    tx.commit();
}

} // namespace kodrix::db
