// The Cutter shelf mark: the text rules, the key, and the shipped tables.
#include "cutter_keys.h"
#include "shelf_mark.h"
#include "test_database.h"

using namespace kodrix;
using namespace kodrix::db;

namespace {

TEST(ShelfMarkText, FollowsTheRulesInOrder) {
    const struct {
        const char* source;
        ShelfMarkVariant variant;
        const char* expected;
    } cases[] = {
        {"Az Ember tragédiája", ShelfMarkVariant::Book, "ember tra"},
        {"AZ EMBER", ShelfMarkVariant::Book, "ember "},
        {"A Pál utcai fiúk", ShelfMarkVariant::Book, "pál utcai "},
        {"Szabó Nagy, Anna", ShelfMarkVariant::Book, "szabónagy "},
        {"Kovács, János", ShelfMarkVariant::Book, "kovács, jáno"},
        {"O'Brien", ShelfMarkVariant::Book, "obrien "},
        {"Jean-Paul Sartre", ShelfMarkVariant::Book, "jean paul sa"},
        {"Jean-Paul Sartre", ShelfMarkVariant::Audio, "jeanpaul sa"},
        {" . Kis", ShelfMarkVariant::Book, " kis "},
        {" . Kis", ShelfMarkVariant::Audio, "  kis "},
        {"", ShelfMarkVariant::Book, " "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shelfMarkText(QString::fromUtf8(c.source), c.variant), QString::fromUtf8(c.expected)) << c.source;
}

TEST(ShelfMarkKey, CodesCompareInHungarianOrder) {
    const auto& codes = shippedLetterCodes();
    const auto key = [&](const char* s) { return shelfMarkKey(QString::fromUtf8(s), codes); };
    EXPECT_EQ(key("ab "), QStringLiteral("212210"));
    EXPECT_EQ(key("ÁRVÍZ").size(), 0);  // capitals have no code: the text is lower-cased before
    EXPECT_EQ(key("árvíz"), key("arviz"));
    EXPECT_EQ(key("kőris"), key("köris"));
    EXPECT_LT(key("kis "), key("kiss"));
    EXPECT_LT(key("orosz"), key("öreg"));
    EXPECT_LT(key("öreg"), key("pap"));
    EXPECT_LT(key("uborka"), key("üveg"));
    EXPECT_LT(key("üveg"), key("vas"));
    EXPECT_EQ(key("abcdefghijklmnop").size(), 24);
}

class ShippedCutterTest : public test::DbTest {};

TEST_F(ShippedCutterTest, RowsRunInKeyOrderWithinEachInitial) {
    const Rows rows = db.select(QStringLiteral("select betu, kod, kod2 from cutter order by kod2"));
    ASSERT_GT(rows.size(), 10000u);
    QHash<QChar, int> last;
    int outOfOrder = 0;
    for (const Row& r : rows) {
        const QChar initial = r.text("kod").at(0);
        const int number = r.text("kod").mid(1).toInt();
        if (number < last.value(initial, 0)) ++outOfOrder;
        last.insert(initial, number);
        EXPECT_EQ(r.text("kod").at(0), r.text("betu").at(0).toUpper());
    }
    // The source table has a handful of irregular entries (for example "fel" at 48); every
    // other beginning follows its predecessor.
    EXPECT_LE(outOfOrder, 6);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from abc")).toInt(), 39);
}

TEST_F(ShippedCutterTest, MarksLandWhereALibrarianExpects) {
    const auto mark = [&](const char* heading, const char* title = "") {
        return cutterMark(db, QString::fromUtf8(heading), QString::fromUtf8(title)).value_or(QStringLiteral("-"));
    };
    const QString petofi = mark("Petőfi Sándor");
    const QString peterson = mark("Peterson");
    EXPECT_TRUE(petofi.startsWith(QLatin1Char('P')));
    EXPECT_EQ(peterson, QStringLiteral("P485"));
    EXPECT_GT(petofi.mid(1).toInt(), peterson.mid(1).toInt());
    EXPECT_EQ(mark("", "Egri csillagok"), mark("Egri csillagok"));
    EXPECT_EQ(mark("Az ember tragédiája"), mark("ember tragédiája"));
    EXPECT_EQ(mark("A Pál utcai fiúk"), mark("Pál utcai fiúk"));
    EXPECT_EQ(mark("Kovácsné Nagy Éva"), mark("Kovácsné Nagy Erzsébet"));
    EXPECT_LT(mark("Kovács").mid(1).toInt(), mark("Kun Béla").mid(1).toInt());
    EXPECT_EQ(mark("Qua"), QStringLiteral("Q1"));  // a heading equal to a beginning gets its row
    // Below every row: the mark stays as it was.
    EXPECT_EQ(mark("", ""), QStringLiteral("-"));
    EXPECT_EQ(mark("1848"), QStringLiteral("-"));
}

} // namespace
