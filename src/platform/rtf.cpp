#include "rtf.h"

#include "text_file.h"

#include <QFont>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <cctype>
#include <vector>

namespace kodrix {

namespace {

constexpr double kTwipsPerPixel = 15.0;  // at 96 dpi: 1440 twips per inch

QByteArray escaped(const QString& text) {
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == u'\n') {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else {
            const QByteArray b = toWin1250(QString(c));
            if (b.size() == 1 && b.at(0) != '?') {
                out += "\\'" + QByteArray::number(uchar(b.at(0)), 16).rightJustified(2, '0');
            } else {
                out += "\\u" + QByteArray::number(qint16(u)) + '?';
            }
        }
    }
    return out;
}

} // namespace

QByteArray writeRtf(const QTextDocument& document) {
    QStringList fonts;
    const auto fontIndex = [&](const QString& family) {
        int i = int(fonts.indexOf(family));
        if (i < 0) {
            fonts.append(family);
            i = int(fonts.size()) - 1;
        }
        return i;
    };
    fontIndex(document.defaultFont().family());
    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        body += "\\pard";
        const Qt::Alignment a = bf.alignment();
        body += (a & Qt::AlignHCenter) ? "\\qc" : (a & Qt::AlignRight) ? "\\qr" : "\\ql";
        if (bf.textIndent() != 0) body += "\\fi" + QByteArray::number(qRound(bf.textIndent() * kTwipsPerPixel));
        if (block.textList()) body += "{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'95}}";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            const QTextCharFormat cf = fragment.charFormat();
            const QFont font = cf.font();
            body += "{\\f" + QByteArray::number(fontIndex(font.family()));
            const double size = font.pointSizeF() > 0 ? font.pointSizeF() : 10;
            body += "\\fs" + QByteArray::number(qRound(size * 2));
            if (font.bold()) body += "\\b";
            if (font.italic()) body += "\\i";
            if (font.underline()) body += "\\ul";
            body += ' ' + escaped(fragment.text()) + '}';
        }
        body += "\\par\n";
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl";
    for (int i = 0; i < fonts.size(); ++i)
        out += "{\\f" + QByteArray::number(i) + "\\fcharset238 " + escaped(fonts.at(i)) + ";}";
    out += "}\n\\uc1\n" + body + "}\n";
    return out;
}

namespace {

struct State {
    bool bold = false, italic = false, underline = false;
    double size = 10;
    int font = 0;
    int skipAfterUnicode = 1;
    bool skip = false;  // inside a destination we do not keep
};

class Reader {
public:
    Reader(const QByteArray& data, QTextDocument& doc) : data_(data), doc_(doc), cursor_(&doc) {}

    bool run() {
        if (!data_.trimmed().startsWith("{\\rtf")) return false;
        doc_.clear();
        cursor_ = QTextCursor(&doc_);
        stack_.push_back(State{});
        while (pos_ < data_.size()) {
            const char c = data_.at(pos_);
            if (c == '{') {
                flush();
                stack_.push_back(stack_.back());
                ++pos_;
            } else if (c == '}') {
                flush();
                if (inFontTable_) {
                    storeFont();
                    if (int(stack_.size()) == fontTableDepth_) inFontTable_ = false;
                }
                if (stack_.size() > 1) stack_.pop_back();
                ++pos_;
            } else if (c == '\\') {
                controlWord();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                pendingBytes_ += c;
                ++pos_;
            }
        }
        flush();
        // The text ends with a paragraph mark: drop the empty block after it.
        if (doc_.blockCount() > 1 && doc_.lastBlock().text().isEmpty()) {
            QTextCursor last(doc_.lastBlock());
            last.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
            last.removeSelectedText();
        }
        return true;
    }

private:
    State& state() { return stack_.back(); }

    void flush() {
        if (!pendingBytes_.isEmpty()) {
            if (!state().skip) append(decoder_.decode(pendingBytes_));
            pendingBytes_.clear();
        }
    }

    void append(const QString& text) {
        if (text.isEmpty()) return;
        if (inFontTable_) {
            fontName_ += text;
            return;
        }
        QTextCharFormat cf;
        QFont font(fonts_.value(state().font, doc_.defaultFont().family()));
        font.setPointSizeF(state().size);
        font.setBold(state().bold);
        font.setItalic(state().italic);
        font.setUnderline(state().underline);
        cf.setFont(font);
        cursor_.insertText(text, cf);
    }

    void newParagraph() {
        flush();
        QTextBlockFormat bf;
        bf.setAlignment(alignment_);
        bf.setTextIndent(indent_);
        cursor_.setBlockFormat(bf);
        if (bullet_) cursor_.createList(QTextListFormat::ListDisc);
        cursor_.insertBlock(QTextBlockFormat());
        if (QTextList* list = cursor_.currentList()) list->remove(cursor_.block());
        bullet_ = false;
    }

    void controlWord() {
        ++pos_;
        if (pos_ >= data_.size()) return;
        const char c = data_.at(pos_);
        if (c == '\\' || c == '{' || c == '}') {
            pendingBytes_ += c;
            ++pos_;
            return;
        }
        if (c == '\'') {
            pendingBytes_ += char(data_.mid(pos_ + 1, 2).toInt(nullptr, 16));
            pos_ += 3;
            return;
        }
        if (c == '*') {
            state().skip = true;
            ++pos_;
            return;
        }
        if (c == '~') {
            pendingBytes_ += char(0xA0);
            ++pos_;
            return;
        }
        if (!std::isalpha(uchar(c))) {
            ++pos_;
            return;
        }
        int start = pos_;
        while (pos_ < data_.size() && std::isalpha(uchar(data_.at(pos_)))) ++pos_;
        const QByteArray word = data_.mid(start, pos_ - start);
        bool hasParam = false;
        int param = 0;
        start = pos_;
        if (pos_ < data_.size() && (data_.at(pos_) == '-' || std::isdigit(uchar(data_.at(pos_))))) {
            ++pos_;
            while (pos_ < data_.size() && std::isdigit(uchar(data_.at(pos_)))) ++pos_;
            param = data_.mid(start, pos_ - start).toInt();
            hasParam = true;
        }
        if (pos_ < data_.size() && data_.at(pos_) == ' ') ++pos_;
        handle(word, hasParam, param);
    }

    void handle(const QByteArray& w, bool hasParam, int param) {
        static const QList<QByteArray> skipped = {"stylesheet", "colortbl", "info", "pict", "header", "footer",
                                                  "headerl", "headerr", "footerl", "footerr", "object", "listtable",
                                                  "listoverridetable", "rsidtbl", "xmlnstbl", "themedata",
                                                  "colorschememapping", "latentstyles", "datastore", "generator",
                                                  "pntext", "fldinst"};
        if (skipped.contains(w)) {
            flush();
            state().skip = true;
            if (w == "pntext") bullet_ = true;
            return;
        }
        if (w == "fonttbl") {
            flush();
            inFontTable_ = true;
            fontTableDepth_ = int(stack_.size());
            return;
        }
        if (inFontTable_) {
            if (w == "f" && hasParam) {
                storeFont();
                fontNumber_ = param;
            }
            if (w == "fcharset" && hasParam && param == 238) decoder_ = QStringDecoder("windows-1250");
            return;
        }
        if (w == "ansicpg" && hasParam) {
            decoder_ = QStringDecoder(QStringLiteral("windows-%1").arg(param).toLatin1());
            if (!decoder_.isValid()) decoder_ = QStringDecoder("windows-1252");
            return;
        }
        if (w == "par" || w == "sect") {
            newParagraph();
            return;
        }
        flush();
        if (w == "pard") {
            alignment_ = Qt::AlignLeft;
            indent_ = 0;
        } else if (w == "ql") {
            alignment_ = Qt::AlignLeft;
        } else if (w == "qc") {
            alignment_ = Qt::AlignHCenter;
        } else if (w == "qr") {
            alignment_ = Qt::AlignRight;
        } else if (w == "qj") {
            alignment_ = Qt::AlignJustify;
        } else if (w == "fi") {
            indent_ = param / kTwipsPerPixel;
        } else if (w == "b") {
            state().bold = !hasParam || param != 0;
        } else if (w == "i") {
            state().italic = !hasParam || param != 0;
        } else if (w == "ul") {
            state().underline = !hasParam || param != 0;
        } else if (w == "ulnone") {
            state().underline = false;
        } else if (w == "plain") {
            state().bold = state().italic = state().underline = false;
            state().size = 10;
        } else if (w == "fs" && hasParam) {
            state().size = param / 2.0;
        } else if (w == "f" && hasParam) {
            state().font = param;
        } else if (w == "uc" && hasParam) {
            state().skipAfterUnicode = param;
        } else if (w == "u" && hasParam) {
            if (!state().skip) append(QString(QChar(char16_t(param < 0 ? param + 65536 : param))));
            skipFallback(state().skipAfterUnicode);
        } else if (w == "tab") {
            if (!state().skip) append(QStringLiteral("\t"));
        } else if (w == "line") {
            if (!state().skip) append(QString(QChar::LineSeparator));
        } else if (w == "pnlvlblt") {
            bullet_ = true;
        }
    }

    void skipFallback(int count) {
        for (int i = 0; i < count && pos_ < data_.size(); ++i) {
            if (data_.at(pos_) == '\\' && pos_ + 1 < data_.size() && data_.at(pos_ + 1) == '\'')
                pos_ += 4;
            else if (data_.at(pos_) == '{' || data_.at(pos_) == '}')
                break;
            else
                ++pos_;
        }
    }

    void storeFont() {
        QString name = fontName_.trimmed();
        if (name.endsWith(QLatin1Char(';'))) name.chop(1);
        if (fontNumber_ >= 0 && !name.isEmpty()) fonts_.insert(fontNumber_, name);
        fontName_.clear();
    }

    const QByteArray& data_;
    QTextDocument& doc_;
    QTextCursor cursor_;
    int pos_ = 0;
    std::vector<State> stack_;
    QByteArray pendingBytes_;
    QStringDecoder decoder_{"windows-1252"};
    bool inFontTable_ = false;
    int fontTableDepth_ = 0;
    int fontNumber_ = -1;
    QString fontName_;
    QHash<int, QString> fonts_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    double indent_ = 0;
    bool bullet_ = false;
};

} // namespace

bool readRtf(const QByteArray& data, QTextDocument& document) { return Reader(data, document).run(); }

} // namespace kodrix
