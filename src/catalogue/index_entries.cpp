#include "index_entries.h"

namespace kodrix {

namespace {

constexpr int kCut = 40;

QString withoutLeading(QString s) {
    if (s.startsWith(QLatin1Char(' ')) || s.startsWith(QLatin1Char('['))) s.remove(0, 1);
    return s;
}

QString withoutTrailing(QString s, QChar other) {
    if (s.endsWith(QLatin1Char(' ')) || s.endsWith(other)) s.chop(1);
    return s;
}

void addUnique(QStringList& list, const QString& name) {
    if (!name.isEmpty() && !list.contains(name)) list.append(name);
}

// Other authors and contributors: names separated by ". - ", or one name.
void addNameList(QStringList& out, const QString& text) {
    if (text.isEmpty()) return;
    if (!text.contains(QLatin1String(". -"))) {
        addUnique(out, withoutLeading(text.left(kCut)));
        return;
    }
    const QStringList parts = text.split(QStringLiteral(". - "));
    for (int i = 0; i + 1 < parts.size(); ++i)
        addUnique(out, withoutTrailing(withoutLeading(parts.at(i).left(kCut)), QLatin1Char('.')));
    addUnique(out, parts.last().left(kCut));
}

// References: the variant before each "-->", and the heading between a "-->" and the "#" that
// follows it. The heading after the last "-->" is the main heading, indexed from szerzo.
void addReferences(QStringList& out, const QString& text) {
    const auto take = [&out](const QString& name) {
        addUnique(out, withoutTrailing(withoutLeading(name.left(kCut)), QLatin1Char('#')));
    };
    int nameStart = 0;
    int afterArrow = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('>') && i >= 2 && text.mid(i - 2, 3) == QLatin1String("-->")) {
            take(text.mid(nameStart, i - 2 - nameStart));
            afterArrow = i + 1;
        } else if (text.at(i) == QLatin1Char('#')) {
            if (afterArrow >= 0) take(text.mid(afterArrow, i - afterArrow));
            nameStart = i + 1;
            afterArrow = -1;
        }
    }
}

} // namespace

QStringList authorEntries(const AuthorFields& f) {
    QStringList out;
    addUnique(out, f.szerzo);
    addNameList(out, f.tft);
    addNameList(out, f.mt);
    addReferences(out, f.utalo);
    return out;
}

QStringList titleEntries(const TitleFields& f) {
    QStringList out;
    for (const QString& t : {f.fc, f.ac, f.pc, f.pac})
        if (!t.isEmpty()) out.append(t);
    if (!f.sc1.isEmpty()) out.append(withoutLeading(f.sc1.left(kCut)));
    if (!f.sc2.isEmpty()) {
        const QString s = withoutLeading(f.sc2.left(kCut));
        if (!out.contains(s)) out.append(s);
    }
    if (!f.tartmeg.isEmpty()) {
        int start = 0;
        while (start < f.tartmeg.size()) {
            int end = f.tartmeg.indexOf(QLatin1Char('#'), start);
            end = end < 0 ? int(f.tartmeg.size()) : end + 1;  // the part keeps its "#"
            const QString part = withoutTrailing(withoutLeading(f.tartmeg.mid(start, end - start).left(kCut)),
                                                 QLatin1Char('#'));
            addUnique(out, part);
            start = end;
        }
    }
    int open = f.kotet.indexOf(QLatin1Char('<'));
    while (open >= 0) {
        const int close = f.kotet.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0) break;
        const QString volume = f.kotet.mid(open + 1, close - open - 1).left(kCut);
        if (!volume.isEmpty()) out.append(volume);
        open = f.kotet.indexOf(QLatin1Char('<'), close + 1);
    }
    return out;
}

} // namespace kodrix
