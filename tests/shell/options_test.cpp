// The command line of kodrix.
#include "options.h"

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
