// One command, one transaction: all of it is stored, or none of it.
#include "test_database.h"

using namespace kodrix;
using namespace kodrix::db;

namespace {

using TransactionTest = test::DbTest;

int count(Database& db) { return db.scalar(QStringLiteral("select count(*) from kszerzo")).toInt(); }

void rebuildIndex(Database& db, bool failHalfway) {
    Transaction tx(db);
    db.exec(QStringLiteral("delete from kszerzo where id = 1"));
    db.exec(QStringLiteral("insert into kszerzo (sorszam, id, szerzo) values (10, 1, 'Új')"));
    if (failHalfway) db.exec(QStringLiteral("insert into kszerzo (sorszam, id) values (10, 1)"));
    db.exec(QStringLiteral("insert into kszerzo (sorszam, id, szerzo) values (11, 1, 'Másik')"));
    tx.commit();
}

TEST_F(TransactionTest, FailureHalfwayLeavesEverythingAsItWas) {
    db.exec(QStringLiteral("insert into kszerzo (sorszam, id, szerzo) values (1, 1, 'Régi')"));
    EXPECT_THROW(rebuildIndex(db, true), DbError);
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(count(db), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("select szerzo from kszerzo")).toString(), QStringLiteral("Régi"));
}

TEST_F(TransactionTest, SuccessStoresTheWholeCommand) {
    db.exec(QStringLiteral("insert into kszerzo (sorszam, id, szerzo) values (1, 1, 'Régi')"));
    rebuildIndex(db, false);
    EXPECT_EQ(count(db), 2);
}

TEST_F(TransactionTest, InnerScopeJoinsTheOuterOne) {
    {
        Transaction outer(db);
        {
            Transaction inner(db);
            db.exec(QStringLiteral("insert into kszerzo (sorszam, id) values (1, 1)"));
            inner.commit();
        }
        EXPECT_TRUE(db.inTransaction());
        // The outer scope ends without commit: the inner work goes too.
    }
    EXPECT_EQ(count(db), 0);

    // An inner failure cannot be committed by the outer scope.
    Transaction outer(db);
    try {
        Transaction inner(db);
        db.exec(QStringLiteral("insert into kszerzo (sorszam, id) values (1, 1)"));
        throw DbError(QStringLiteral("hiba"));
    } catch (const DbError&) {
    }
    EXPECT_THROW(outer.commit(), DbError);
    EXPECT_EQ(count(db), 0);
}

} // namespace
