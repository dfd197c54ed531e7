// The sample library: consistent records, copies and index rows, and a librarian who can log in.
#include "password_scramble.h"
#include "sample_library.h"
#include "test_database.h"

using namespace kodrix;

using SampleLibraryTest = test::DbTest;

TEST_F(SampleLibraryTest, FillsAConsistentLibrary) {
    SampleLibrary library;
    library.records = 60;
    library.fill(db);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from konyv")).toInt(), 60);
    EXPECT_GE(db.scalar(QStringLiteral("select count(*) from kpld")).toInt(), 60);
    // Every copy and index row belongs to a record of its own type; barcodes are unique.
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kpld p left join konyv k on k.id = p.id "
                                       "where k.id is null or k.doktipus <> p.doktipus")).toInt(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kszerzo s left join konyv k on k.id = s.id "
                                       "where k.id is null")).toInt(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from (select vonalkod from kpld group by vonalkod having count(*) > 1)")).toInt(), 0);
    EXPECT_GE(db.scalar(QStringLiteral("select count(*) from kcim")).toInt(), 60);
    const auto librarian = db.selectFirst(QStringLiteral("select * from kvtaros where kod = :k"), {{"k", SampleLibrary::kLibrarianId}});
    ASSERT_TRUE(librarian);
    EXPECT_EQ(librarian->text("jelszo"), scramblePassword(SampleLibrary::kLibrarianId, SampleLibrary::kLibrarianPassword));
    EXPECT_EQ(librarian->text("jogkod"), QStringLiteral("11111"));
    EXPECT_EQ(db.scalar(QStringLiteral("select kvtkod from konyvtar")).toString(), SampleLibrary::kLibraryCode);
    // The next keys follow the generated rows.
    EXPECT_EQ(db.nextId(QStringLiteral("konyv")), 61);
}
