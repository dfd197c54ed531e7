// Rich text written by us reads back the same; files of word processors read as text with
// their formatting.
#include "rtf.h"
#include "test_database.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

using namespace kodrix;

namespace {

QTextCharFormat format(bool bold, bool italic, bool underline, double size) {
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setFontUnderline(underline);
    f.setFontPointSize(size);
    return f;
}

TEST(Rtf, WhatWeWriteReadsBackWithItsFormatting) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTextIndent(30);
    c.setBlockFormat(centred);
    c.insertText(QStringLiteral("Árvíztűrő "), format(true, false, false, 14));
    c.insertText(QStringLiteral("tükörfúrógép {€} \\ Ω"), format(false, true, true, 10));
    c.insertBlock();
    c.setBlockFormat(QTextBlockFormat());
    c.createList(QTextListFormat::ListDisc);
    c.insertText(QStringLiteral("Pont"), format(false, false, false, 10));

    const QByteArray rtf = writeRtf(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
    QTextDocument back;
    ASSERT_TRUE(readRtf(rtf, back));
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    const QTextBlock first = back.begin();
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_NEAR(first.blockFormat().textIndent(), 30, 1);
    QTextCursor at(first);
    at.setPosition(first.position() + 2);
    EXPECT_TRUE(at.charFormat().font().bold());
    EXPECT_DOUBLE_EQ(at.charFormat().font().pointSizeF(), 14);
    at.setPosition(first.position() + 14);
    EXPECT_TRUE(at.charFormat().font().italic());
    EXPECT_TRUE(at.charFormat().font().underline());
    EXPECT_FALSE(at.charFormat().font().bold());
    EXPECT_TRUE(first.next().textList() != nullptr);
    EXPECT_EQ(first.next().text(), QStringLiteral("Pont"));
}

TEST(Rtf, WordProcessorFilesKeepTheirTextAndSkipWhatTheyDoNotNeed) {
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}{\\f1 Times New Roman;}}"
        "{\\colortbl;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}{\\*\\generator Some Writer 1.0;}"
        "{\\info{\\title Nem sz\\'f6veg}}\\viewkind4\\uc1\\pard\\qr\\f1\\fs28 Jobbra \\b F\\'e9lk\\'f6v\\'e9r\\b0  "
        "\\u337?r\\par\n\\pard\\plain Sima {\\*\\unknown rejtett} sor\\par}";
    QTextDocument doc;
    ASSERT_TRUE(readRtf(rtf, doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("Jobbra Félkövér őr\nSima  sor"));
    const QTextBlock first = doc.begin();
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QTextCursor at(first);
    at.setPosition(first.position() + 9);
    EXPECT_TRUE(at.charFormat().font().bold());
    EXPECT_EQ(at.charFormat().font().family(), QStringLiteral("Times New Roman"));
    EXPECT_DOUBLE_EQ(at.charFormat().font().pointSizeF(), 14);
    EXPECT_FALSE(readRtf("plain text", doc));
}

} // namespace

namespace {

// An outside reader of RTF takes our file as we meant it: text, Hungarian letters and the
// formatting.
TEST(Rtf, AnOutsideReaderUnderstandsOurFiles) {
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    ASSERT_FALSE(unrtf.isEmpty()) << "unrtf is installed by scripts/setup";
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("Árvíztűrő "), bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    c.insertText(QStringLiteral("tükörfúrógép €"), italic);
    const QString path = test::scratchDir() + QStringLiteral("/outside.rtf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(writeRtf(doc));
    f.close();
    QProcess reader;
    reader.start(unrtf, {QStringLiteral("--html"), path});
    ASSERT_TRUE(reader.waitForFinished(20000));
    const QString html = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(html.contains(QStringLiteral("<b>&Aacute;rv&iacute;zt&#369;r&#337; </b>"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<i>t&uuml;k&ouml;rf&uacute;r&oacute;g&eacute;p "))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("&euro;"))) << html.toStdString();
}

} // namespace
