// Opening the main database or another one named on the command line.
#include "main_database.h"
#include "options.h"
#include "startup.h"
#include "test_database.h"

#include <QFile>
#include <QProcess>

using namespace kodrix;
using namespace kodrix::db;

namespace {

class OpenTest : public ::testing::Test {
protected:
    Folders folders() {
        Folders f;
        f.data = test::scratchDir() + QStringLiteral("/data-") +
                 QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
        f.work = test::scratchDir();
        return f;
    }
    Database db{QStringLiteral("open-test")};
    test::RecordingDialogs dialogs;
};

TEST(ConnectionSpec, TellsServerDatabasesFromFiles) {
    const struct {
        const char* database;
        bool server;
    } cases[] = {
        {"/var/lib/kodrix/KODRIXFB3.FDB", false}, {"relative/file.fdb", false},
        {"./x:y.fdb", false},                   {"konyvtar.local:/data/kodrix.fdb", true},
        {"10.0.0.5/3051:/data/kodrix.fdb", true}, {"server:kodrix", true},
    };
    for (const auto& c : cases) {
        ConnectionSpec connection;
        connection.database = QString::fromUtf8(c.database);
        EXPECT_EQ(connection.isServer(), c.server) << c.database;
    }
}

TEST_F(OpenTest, FirstStartCreatesTheMainDatabaseAndLaterStartsOpenTheSameFile) {
    const Folders f = folders();
    Options options;
    ASSERT_TRUE(openDatabase(db, options, f, dialogs));
    EXPECT_TRUE(QFile::exists(mainDatabasePath(f.data)));
    db.exec(QStringLiteral("insert into lhely (id, lhely) values (1, 'Olvasóterem')"));
    db.close();
    ASSERT_TRUE(openDatabase(db, options, f, dialogs));
    EXPECT_EQ(db.scalar(QStringLiteral("select lhely from lhely")).toString(), QStringLiteral("Olvasóterem"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(OpenTest, NamedDatabaseThatDoesNotExistIsReportedAndNotCreated) {
    Options options;
    options.database = test::scratchDir() + QStringLiteral("/nincs/ilyen.fdb");
    EXPECT_FALSE(openDatabase(db, options, folders(), dialogs));
    ASSERT_EQ(dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(dialogs.texts().first().startsWith(QStringLiteral("Az adatbázis nem nyitható meg:")));
    EXPECT_TRUE(dialogs.texts().first().contains(options.database));
    EXPECT_FALSE(QFile::exists(options.database));
}

TEST_F(OpenTest, UnreachableServerShowsTheDriversText) {
    Options options;
    options.database = QStringLiteral("127.0.0.1/1:/data/kodrix.fdb");
    EXPECT_FALSE(openDatabase(db, options, folders(), dialogs));
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts().first().contains(QStringLiteral("127.0.0.1"))) << dialogs.texts().first().toStdString();
}

TEST_F(OpenTest, FileHeldByAnotherProcessIsReportedAsInUse) {
    const QString file = test::freshDatabaseFile();
    QProcess holder;
    holder.start(QStringLiteral(DB_HOLDER), {file});
    ASSERT_TRUE(holder.waitForReadyRead(20000)) << holder.readAllStandardError().toStdString();
    ASSERT_EQ(holder.readLine().trimmed(), QByteArray("open"));

    Options options;
    options.database = file;
    EXPECT_FALSE(openDatabase(db, options, folders(), dialogs));
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts().first().startsWith(
        QStringLiteral("Az adatbázist egy már futó Kodrix program használja")))
        << dialogs.texts().first().toStdString();

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(20000));
    dialogs.clear();
    EXPECT_TRUE(openDatabase(db, options, folders(), dialogs));
}

} // namespace
