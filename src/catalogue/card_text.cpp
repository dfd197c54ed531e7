#include "card_text.h"

#include <QLocale>

namespace kodrix {

namespace {

const QString kDash = QStringLiteral("—");

QString f(const Record& r, const char* column) { return r.value(QLatin1String(column)).toString(); }

void addLine(QStringList& lines, const QString& text) {
    if (!text.isEmpty()) lines.append(text);
}

void addParts(QStringList& lines, const QString& text, const QString& prefix = QString()) {
    for (const QString& part : text.split(QLatin1Char('#')))
        if (!part.isEmpty()) lines.append(prefix + part);
}

QString joinedNames(const QString& text) { return QString(text).replace(QLatin1Char('#'), QStringLiteral(". ") + kDash + QStringLiteral("  ")); }

// Breaks a text into lines: the first blank at position minPosition or later (counted from 1
// at the start of the current line) ends a line and is dropped; the rest is the last line.
QStringList breakAtBlanks(const QString& text, int minPosition) {
    QStringList lines;
    QString rest = text;
    for (;;) {
        const int blank = rest.indexOf(QLatin1Char(' '), minPosition - 1);
        if (blank < 0) break;
        lines.append(rest.left(blank));
        rest = rest.mid(blank + 1);
    }
    lines.append(rest);
    return lines;
}

} // namespace

QString priceText(const QVariant& price) {
    if (price.isNull() || price.toString().isEmpty()) return QString();
    const double value = price.toDouble();
    if (value == 0) return QString();
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

QStringList bookCard(const Record& r) {
    QStringList lines;
    for (const char* c : {"szakj", "raktj", "szerzo", "kiegadat"}) addLine(lines, f(r, c));

    QString p = f(r, "fc");
    if (!f(r, "ac").isEmpty()) p += QStringLiteral("  :  ") + f(r, "ac");
    if (!f(r, "pc").isEmpty()) p += QStringLiteral("  =  ") + f(r, "pc");
    if (!f(r, "pac").isEmpty()) p += QStringLiteral("  :  ") + f(r, "pac");
    if (!f(r, "szerad").isEmpty()) p += QStringLiteral("  /  ") + f(r, "szerad");
    const QString dot = QStringLiteral(". ") + kDash + QLatin1Char(' ');
    if (!f(r, "kiadjel").isEmpty()) p += dot + f(r, "kiadjel");
    if (!f(r, "kiadas").isEmpty()) p += dot + f(r, "kiadas");
    if (!f(r, "kiadev").isEmpty())
        p += (f(r, "kiadas").isEmpty() ? dot : QStringLiteral(", ")) + f(r, "kiadev") + QLatin1Char('.');
    if (!f(r, "nyomda").isEmpty()) p += QStringLiteral(" ") + kDash + QStringLiteral(" (") + f(r, "nyomda") + QStringLiteral(").");
    if (!f(r, "ter").isEmpty()) p += QStringLiteral(" ") + kDash + QStringLiteral("  ") + f(r, "ter");
    QString s, t;
    const QString issn = f(r, "issn");
    if (!issn.isEmpty()) {
        const int hash = issn.indexOf(QLatin1Char('#'));
        s = QStringLiteral(", ISSN  ") + (hash < 0 ? issn : issn.left(hash));
        if (hash >= 0) t = QStringLiteral(", ISSN  ") + issn.mid(hash + 1);
    }
    if (!f(r, "sc1").isEmpty()) s = f(r, "sc1") + s;
    if (!f(r, "sc2").isEmpty()) s = s + QStringLiteral(". ") + f(r, "sc2") + t;
    if (!f(r, "sorszam").isEmpty()) s = s + QStringLiteral(" ; ") + f(r, "sorszam") + QLatin1Char('.');
    if (s.size() > 2) p += QStringLiteral(" ") + kDash + QStringLiteral(" (") + s + QLatin1Char(')');
    if (!p.isEmpty()) lines.append(QStringLiteral("    ") + p);

    addParts(lines, f(r, "megj"));
    if (!f(r, "tartmeg").isEmpty()) lines.append(QStringLiteral("Tart. még: ") + f(r, "tartmeg"));

    const QString isbn = f(r, "isbn");
    const QString price = priceText(r.value(QStringLiteral("ar")));
    const QString priced = price.isEmpty() ? QString() : price + f(r, "pnem");
    if (!isbn.isEmpty()) {
        QString l1, l2;
        const int hash = isbn.indexOf(QLatin1Char('#'));
        if (hash < 0) {
            l1 = isbn.size() == 1 ? isbn : QStringLiteral("ISBN ") + isbn;
        } else {
            l1 = QStringLiteral("ISBN ") + isbn.left(hash);
            l2 = QStringLiteral("ISBN ") + isbn.mid(hash + 1);
        }
        if (!f(r, "kotes").isEmpty()) l1 += QStringLiteral("    ") + f(r, "kotes");
        if (!priced.isEmpty()) l1 = l1.isEmpty() ? priced : l1 + QStringLiteral(" : ") + priced;
        addLine(lines, l1);
        addLine(lines, l2);
    } else {
        QString l1 = f(r, "kotes");
        if (!priced.isEmpty()) l1 = l1.isEmpty() ? priced : l1 + QStringLiteral("  :  ") + priced;
        addLine(lines, l1);
    }
    addParts(lines, f(r, "tmt"), QStringLiteral("*"));
    addParts(lines, f(r, "kotet"));
    addParts(lines, f(r, "eto"));
    addLine(lines, joinedNames(f(r, "tft")));
    addParts(lines, f(r, "tszo"));
    if (!f(r, "mt").isEmpty()) lines.append(QStringLiteral("Mt.: ") + joinedNames(f(r, "mt")));
    addLine(lines, f(r, "utalo"));
    return lines;
}

QStringList audioCard(const Record& r) {
    QStringList lines;
    for (const char* c : {"szakj", "raktj", "szerzo"}) addLine(lines, f(r, c));

    QString p = f(r, "fc");
    const QString dot = QStringLiteral(". ") + kDash + QLatin1Char(' ');
    if (!f(r, "ac").isEmpty()) p += QStringLiteral("  :  ") + f(r, "ac");
    if (!f(r, "pc").isEmpty()) p += QStringLiteral("  =  ") + f(r, "pc");
    if (!f(r, "szerad").isEmpty()) p += QStringLiteral("  /  ") + f(r, "szerad");
    if (!f(r, "kiadjel").isEmpty()) p += dot + f(r, "kiadjel");
    if (!f(r, "kiadas").isEmpty()) p += dot + f(r, "kiadas");
    if (!f(r, "kiadev").isEmpty())
        p += (f(r, "kiadas").isEmpty() ? dot : QStringLiteral(", ")) + f(r, "kiadev") + QLatin1Char('.');
    if (!f(r, "ter").isEmpty()) p += QStringLiteral(" ") + kDash + QStringLiteral("  ") + f(r, "ter");
    // The audio window keeps its series title in sc1 and its genre in tszo.
    if (!f(r, "sc1").isEmpty()) p += dot + QLatin1Char('(') + f(r, "sc1") + QLatin1Char(')');
    if (p.size() < 89) {
        addLine(lines, p);
    } else {
        QStringList parts = breakAtBlanks(p, 80);
        parts[0] = QStringLiteral("      ") + parts[0];
        lines += parts;
    }

    QString g = f(r, "tszo");
    if (!f(r, "megj").isEmpty()) g = g.isEmpty() ? f(r, "megj") : g + dot + f(r, "megj");
    QString current;
    for (const QChar c : g) {
        if (c == QLatin1Char('#')) {
            addLine(lines, current);
            current.clear();
        } else if (c == QLatin1Char(' ') && current.size() > 120) {
            addLine(lines, current);
            current.clear();
        } else {
            current += c;
        }
    }
    addLine(lines, current);

    QString numbers;
    if (!f(r, "isbn").isEmpty()) numbers = f(r, "isbn") + QStringLiteral("    ");
    if (!f(r, "ar").isEmpty()) numbers += QStringLiteral("ár: ") + priceText(r.value(QStringLiteral("ar")));
    addLine(lines, numbers);

    const QString eto = f(r, "eto");
    const int hash = eto.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        addLine(lines, eto.left(hash));
        addLine(lines, eto.mid(hash + 1));
    } else {
        addLine(lines, eto);
    }

    const auto names = [&](const QString& text, const QString& label, int longer) {
        const QString joined = joinedNames(text);
        if (joined.size() > longer) {
            QStringList parts = breakAtBlanks(joined, 100);
            parts[0] = label + parts[0];
            lines += parts;
        } else if (joined.size() > 1) {
            lines.append(label + joined);
        }
    };
    names(f(r, "tft"), QStringLiteral("Tft.: "), 134);
    names(f(r, "mt"), QStringLiteral("Mt.: "), 120);
    return lines;
}

} // namespace kodrix
