// A failing command shows the data layer's text and stops; nothing reaches the event loop.
#include "command_guard.h"
#include "test_database.h"

using namespace kodrix;

using CommandGuardTest = test::DbTest;

TEST_F(CommandGuardTest, ErrorStopsTheCommandShowsItsTextAndKeepsWhatWasSaved) {
    bool reachedEnd = false;
    const bool ok = guarded(dialogs, [&] {
        db.exec(QStringLiteral("insert into lhely (id, lhely) values (1, 'Megmarad')"));
        db.exec(QStringLiteral("insert into lhely (id, lhely) values (1, 'Kettőzött kulcs')"));
        reachedEnd = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(reachedEnd);
    ASSERT_EQ(dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(dialogs.texts().first().contains(QStringLiteral("PK_LHELY"))) << dialogs.texts().first().toStdString();
    EXPECT_EQ(db.scalar(QStringLiteral("select lhely from lhely")).toString(), QStringLiteral("Megmarad"));
    EXPECT_TRUE(guarded(dialogs, [] {}));
}
