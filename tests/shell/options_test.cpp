// The command line of kodrix.
#include "options.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace kodrix;

TEST(Options, ReadsEveryOptionAndRefusesUnknownOnes) {
    const Options o = parseOptions({"kodrix", "--data-dir", "/d", "--work-dir", "/w", "--database",
                                    "srv/3050:/x.fdb", "--user", "ADMIN", "--password", "titok"});
    EXPECT_EQ(o.outcome, Options::Outcome::Run);
    EXPECT_EQ(o.dataDir, QStringLiteral("/d"));
    EXPECT_EQ(o.workDir, QStringLiteral("/w"));
    EXPECT_EQ(o.database, QStringLiteral("srv/3050:/x.fdb"));
    EXPECT_EQ(o.user, QStringLiteral("ADMIN"));
    EXPECT_EQ(o.password, QStringLiteral("titok"));

    const Options defaults = parseOptions({"kodrix"});
    EXPECT_EQ(defaults.outcome, Options::Outcome::Run);
    EXPECT_EQ(defaults.user, QStringLiteral("SYSDBA"));
    EXPECT_EQ(defaults.password, QStringLiteral("plumtreex"));
    EXPECT_TRUE(defaults.database.isEmpty());

    const struct {
        QStringList args;
        Options::Outcome outcome;
        const char* mustContain;
    } cases[] = {
        {{"kodrix", "--help"}, Options::Outcome::Help, "--data-dir"},
        {{"kodrix", "--version"}, Options::Outcome::Version, KODRIX_VERSION},
        {{"kodrix", "--bogus"}, Options::Outcome::Error, "Ismeretlen kapcsoló"},
        {{"kodrix", "--data-dir"}, Options::Outcome::Error, "Használat: kodrix"},
        {{"kodrix", "extra"}, Options::Outcome::Error, "--work-dir"},
    };
    for (const auto& c : cases) {
        const Options r = parseOptions(c.args);
        EXPECT_EQ(r.outcome, c.outcome) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.text.contains(QString::fromUtf8(c.mustContain))) << r.text.toStdString();
    }
}

// The program itself: started on a fresh data folder, it creates its database, and a
// termination signal ends it in order.
#include "test_database.h"

#include <QFile>
#include <QProcess>
#include <csignal>

TEST(Program, StartsOnAFreshDataFolderAndEndsOnTermination) {
    const QString data = kodrix::test::scratchDir() + QStringLiteral("/program-data");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("FIREBIRD_LOCK"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(KODRIX_BIN), {QStringLiteral("--data-dir"), data, QStringLiteral("--work-dir"), data});
    ASSERT_TRUE(program.waitForStarted(10000));
    // The database is created, then opened; give it time to come up.
    for (int i = 0; i < 100 && !QFile::exists(data + QStringLiteral("/KODRIXFB3.FDB")); ++i) QThread::msleep(100);
    QThread::msleep(1500);
    ASSERT_EQ(program.state(), QProcess::Running) << program.readAllStandardError().toStdString();
    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(15000)) << "the program did not end on SIGTERM";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/KODRIXFB3.FDB")));
}
