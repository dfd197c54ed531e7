// New keys: max + 1 (1 for an empty table), never a key handed out before; numbers counted
// within a scope keep plain max + 1.
#include "test_database.h"

using namespace kodrix;
using namespace kodrix::db;

namespace {

using NextIdTest = test::DbTest;

void addLibrarian(Database& db, qint64 id) {
    db.exec(QStringLiteral("insert into kvtaros (id, nev) values (:id, 'x')"), {{QStringLiteral("id"), id}});
}

TEST_F(NextIdTest, FirstKeyIsOneAndKeysAreConsecutive) {
    EXPECT_EQ(db.nextId(QStringLiteral("kvtaros")), 1);
    addLibrarian(db, db.nextId(QStringLiteral("kvtaros")));
    addLibrarian(db, db.nextId(QStringLiteral("kvtaros")));
    EXPECT_EQ(db.scalar(QStringLiteral("select max(id) from kvtaros")).toInt(), 2);
    EXPECT_EQ(db.nextId(QStringLiteral("kvtaros")), 3);
}

TEST_F(NextIdTest, DeletedTopKeyIsNotHandedOutAgain) {
    for (int i = 1; i <= 3; ++i) addLibrarian(db, i);
    db.exec(QStringLiteral("delete from kvtaros where id = 3"));
    EXPECT_EQ(db.nextId(QStringLiteral("kvtaros")), 4);
    // Even with the table emptied.
    db.exec(QStringLiteral("delete from kvtaros"));
    EXPECT_EQ(db.nextId(QStringLiteral("kvtaros")), 4);
    // Rows inserted with a typed key move the mark as well.
    addLibrarian(db, 10);
    db.exec(QStringLiteral("delete from kvtaros where id = 10"));
    EXPECT_EQ(db.nextId(QStringLiteral("kvtaros")), 11);
}

TEST_F(NextIdTest, CopyKeysUseSorszam) {
    db.exec(QStringLiteral("insert into kpld (sorszam, id) values (5, 1)"));
    db.exec(QStringLiteral("delete from kpld"));
    EXPECT_EQ(db.nextId(QStringLiteral("kpld"), QStringLiteral("sorszam")), 6);
}

TEST_F(NextIdTest, ScopedNumbersCountWithinTheirScope) {
    const auto add = [&](int key, const char* type, int lszam) {
        db.exec(QStringLiteral("insert into kpld (sorszam, doktipus, lszam) values (:k, :t, :l)"),
                {{QStringLiteral("k"), key}, {QStringLiteral("t"), QString::fromUtf8(type)},
                 {QStringLiteral("l"), lszam}});
    };
    add(1, "Könyv", 100);
    add(2, "Könyv", 101);
    add(3, "AV", 7);
    const auto nextInventory = [&](const QString& type) {
        return db.nextIdWhere(QStringLiteral("kpld"), QStringLiteral("lszam"), QStringLiteral("doktipus = :t"),
                              {{QStringLiteral("t"), type}});
    };
    EXPECT_EQ(nextInventory(QStringLiteral("Könyv")), 102);
    EXPECT_EQ(nextInventory(QStringLiteral("AV")), 8);
    EXPECT_EQ(nextInventory(QStringLiteral("E-könyv")), 1);
    // An inventory number freed at the top is given again: it is a number, not a key.
    db.exec(QStringLiteral("delete from kpld where sorszam = 2"));
    EXPECT_EQ(nextInventory(QStringLiteral("Könyv")), 101);
}

TEST_F(NextIdTest, NamesThatAreNotIdentifiersAreRefused) {
    EXPECT_THROW(db.nextId(QStringLiteral("kvtaros; drop table konyv")), DbError);
}

} // namespace
