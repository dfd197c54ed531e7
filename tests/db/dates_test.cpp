// Dates are yyyy.mm.dd everywhere, and compare as days in the database.
#include "dates.h"
#include "test_database.h"

using namespace kodrix;
using namespace kodrix::db;

namespace {

TEST(DateText, WritesAndReadsTheLibrarysForm) {
    EXPECT_EQ(dateText(QDate(2024, 3, 5)), QStringLiteral("2024.03.05"));
    EXPECT_EQ(dateText(QDate()), QString());
    const struct {
        const char* text;
        QDate date;
    } cases[] = {
        {"2024.03.15", QDate(2024, 3, 15)}, {"2024.3.5", QDate(2024, 3, 5)},
        {"2024-03-15", QDate(2024, 3, 15)}, {" 2000.01.01. ", QDate(2000, 1, 1)},
        {"2024.02.30", QDate()},            {"15.03.2024", QDate()},
        {"", QDate()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseDateText(QString::fromUtf8(c.text)), c.date) << c.text;
}

TEST(DateText, FixedClockGivesToday) {
    FixedClock clock(QDate(2024, 3, 15));
    EXPECT_EQ(clock.todayText(), QStringLiteral("2024.03.15"));
}

using DateColumnTest = test::DbTest;

TEST_F(DateColumnTest, DateTypedAsTextIsStoredAsThatDayAndFoundByItsText) {
    db.exec(QStringLiteral("insert into keresstat (id, datum) values (1, :d)"),
            {{QStringLiteral("d"), parseDateText(QStringLiteral("2024.03.15"))}});
    EXPECT_EQ(db.scalar(QStringLiteral("select datum from keresstat")).toDate(), QDate(2024, 3, 15));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from keresstat where datum = '2024.03.15'")).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from keresstat where datum > '2000.01.01'")).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from keresstat where datum = :d"),
                        {{QStringLiteral("d"), QDate(2024, 3, 15)}})
                  .toInt(),
              1);
}

} // namespace
