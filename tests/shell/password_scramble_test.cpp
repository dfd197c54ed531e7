// The stored form of passwords, byte for byte, and its way through the UTF8 database.
#include "password_scramble.h"
#include "test_database.h"
#include "text_file.h"

using namespace kodrix;

namespace {

TEST(PasswordScramble, FollowsTheKeyByteByByte) {
    const QString twelveA = QStringLiteral("aaaaaaaaaaaa");
    // Under ID "a" the key is "aK8w=)(#éóp" (11 bytes); the 12th password byte meets key 0.
    const QString underA = QStringLiteral("Ç*YÝ\\HIB") + QChar(0x0088) + QChar(0x2019) + QStringLiteral("Řa");
    const struct {
        QString id;
        QString password;
        QString expected;
    } cases[] = {
        // A key byte equal to the password byte gives 0, stored as 199 (Ç in Windows-1250).
        {QString(), QStringLiteral("K"), QStringLiteral("Ç")},
        {QStringLiteral("a"), twelveA, underA},
        // Password characters past the 12th are dropped.
        {QStringLiteral("a"), twelveA + QStringLiteral("b"), underA},
        {QStringLiteral("x"), QString(), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scramblePassword(c.id, c.password), c.expected)
            << c.id.toStdString() << " / " << c.password.toStdString();
}

TEST(PasswordScramble, DependsOnTheIdAndIsStable) {
    const QString pw = QStringLiteral("Őrült22ű");
    EXPECT_NE(scramblePassword(QStringLiteral("kissa"), pw), scramblePassword(QStringLiteral("nagyb"), pw));
    EXPECT_EQ(scramblePassword(QStringLiteral("kissa"), pw), scramblePassword(QStringLiteral("kissa"), pw));
    EXPECT_EQ(scramblePassword(QStringLiteral("kissa"), pw).size(), pw.size());
    // Long IDs: only the first 12 characters of ID + fixed key count.
    EXPECT_EQ(scramblePassword(QStringLiteral("abcdefghijklm"), pw),
              scramblePassword(QStringLiteral("abcdefghijklz"), pw));
    // No stored character is a control character below 33.
    for (const char c : toWin1250(scramblePassword(QStringLiteral("K8w"), QStringLiteral("K8w=)(#éóp"))))
        EXPECT_GE(uchar(c), 33);
}

using ScrambleStorageTest = test::DbTest;

TEST_F(ScrambleStorageTest, EveryByteTheScrambleCanProduceSurvivesTheDatabase) {
    QByteArray all;
    for (int b = 33; b < 256; ++b) all.append(char(b));
    for (int start = 0, id = 1; start < all.size(); start += 12, ++id) {
        const QByteArray chunk = all.mid(start, 12);
        const QString text = fromWin1250(chunk);
        ASSERT_EQ(toWin1250(text), chunk);
        db.exec(QStringLiteral("insert into kvtaros (id, jelszo) values (:id, :j)"),
                {{QStringLiteral("id"), id}, {QStringLiteral("j"), text}});
        const QString back =
            db.scalar(QStringLiteral("select jelszo from kvtaros where id = :id"), {{QStringLiteral("id"), id}})
                .toString();
        EXPECT_EQ(toWin1250(back), chunk) << start;
    }
}

} // namespace
