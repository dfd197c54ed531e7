// Catalogue cards: the ISBD description line by line.
#include "card_text.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace kodrix;

namespace {

Record record(const QVariantMap& fields) { return fields; }

TEST(BookCard, BuildsTheDescriptionWithItsPunctuation) {
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    const struct {
        const char* what;
        QVariantMap fields;
        QStringList expected;
    } cases[] = {
        {"the example card",
         {{"fc", "A kert"}, {"szerad", "Kiss Anna"}, {"kiadas", "Bp. : Móra"}, {"kiadev", "1999"}, {"ter", "120 p."},
          {"sc1", "Kincses könyvek"}, {"sorszam", "5"}},
         {"    A kert  /  Kiss Anna. — Bp. : Móra, 1999. —  120 p. — (Kincses könyvek ; 5.)"}},
        {"only a title", {{"fc", "Toldi"}}, {"    Toldi"}},
        {"year without publication", {{"fc", "T"}, {"kiadev", "2001"}}, {"    T. — 2001."}},
        {"series number alone", {{"fc", "T"}, {"sorszam", "5"}}, {"    T — ( ; 5.)"}},
        {"two ISSNs", {{"fc", "T"}, {"sc1", "Első"}, {"sc2", "Második"}, {"issn", "1111-1111#2222-2222"}},
         {"    T — (Első, ISSN  1111-1111. Második, ISSN  2222-2222)"}},
        {"head lines, parallel title, edition, printer",
         {{"szakj", "894"}, {"raktj", "K 61"}, {"szerzo", "Kiss Anna"}, {"kiegadat", "1950-"}, {"fc", "A"}, {"ac", "b"},
          {"pc", "C"}, {"pac", "d"}, {"kiadjel", "2. kiad."}, {"nyomda", "Alföldi Ny."}},
         {"894", "K 61", "Kiss Anna", "1950-", "    A  :  b  =  C  :  d. — 2. kiad. — (Alföldi Ny.)."}},
        {"ISBN with binding and price, second ISBN alone",
         {{"fc", "T"}, {"isbn", "963-1#963-2"}, {"kotes", "kötött"}, {"ar", 1500.0}, {"pnem", "Ft"}},
         {"    T", "ISBN 963-1    kötött : 1500Ft", "ISBN 963-2"}},
        {"price in its shortest form, no ISBN", {{"fc", "T"}, {"kotes", "fűzött"}, {"ar", 12.5}, {"pnem", "Ft"}},
         {"    T", "fűzött  :  12,5Ft"}},
        {"a price of 0 prints nothing", {{"fc", "T"}, {"ar", 0}, {"pnem", "Ft"}}, {"    T"}},
        {"one-character ISBN", {{"fc", "T"}, {"isbn", "x"}}, {"    T", "x"}},
        {"notes, contents and added entries",
         {{"fc", "T"}, {"megj", "Első#Második"}, {"tartmeg", "Rész"}, {"tmt", "Petőfi#"}, {"kotet", "1. köt."},
          {"eto", "8"}, {"tft", "A#B#C"}, {"tszo", "vers#"}, {"mt", "D#E"}, {"utalo", "X-->Y"}},
         {"    T", "Első", "Második", "Tart. még: Rész", "*Petőfi", "1. köt.", "8", "A. —  B. —  C", "vers",
          "Mt.: D. —  E", "X-->Y"}},
    };
    for (const auto& c : cases) EXPECT_EQ(bookCard(record(c.fields)), c.expected) << c.what;
}

TEST(AudioCard, BreaksLongParagraphsIntoCardLines) {
    const QString words = QStringLiteral("szó ").repeated(40).trimmed();  // 159 characters
    const QStringList card = audioCard(record({{"fc", words}, {"tszo", "Komolyzene"}, {"megj", "Élő felvétel#Sztereó"},
                                               {"isbn", "123"}, {"ar", 990}, {"eto", "78#780"}, {"tft", "A#B"}}));
    ASSERT_GE(card.size(), 3);
    EXPECT_TRUE(card.at(0).startsWith(QStringLiteral("      szó")));
    EXPECT_GE(card.at(0).size() - 6, 79);
    EXPECT_LE(card.at(0).size() - 6, 83);
    EXPECT_EQ(QStringList(card.mid(0, 2)).join(' ').simplified(), words);
    EXPECT_EQ(card.mid(2), QStringList({"Komolyzene. — Élő felvétel", "Sztereó", "123    ár: 990", "78", "780", "Tft.: A. —  B"}));
    EXPECT_EQ(audioCard(record({{"fc", "Rövid"}, {"kiadev", "2001"}})), QStringList({"Rövid. — 2001."}));
}

} // namespace
