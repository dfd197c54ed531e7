// Statements bind every value: what is typed is stored as typed and finds itself again.
#include "editable_table.h"
#include "search_text.h"
#include "test_database.h"

using namespace kodrix;
using namespace kodrix::db;

namespace {

using StatementsTest = test::DbTest;

TEST_F(StatementsTest, QuotesPercentSignsAndHungarianCapitalsRoundTripAndFindThemselves) {
    const QStringList titles = {
        QStringLiteral("Ő'r\"ült %-os ÁRVÍZTŰRŐ tükörfúrógép"),
        QStringLiteral("'; drop table konyv; --"),
        QStringLiteral("ÉLET ÉS IRODALOM"),
    };
    EditableTable konyv(db, QStringLiteral("konyv"));
    for (int i = 0; i < titles.size(); ++i)
        konyv.insert({{QStringLiteral("id"), i + 1}, {QStringLiteral("fc"), titles.at(i)}});

    for (int i = 0; i < titles.size(); ++i) {
        const QString& title = titles.at(i);
        EXPECT_EQ(db.scalar(QStringLiteral("select fc from konyv where id = :id"),
                            {{QStringLiteral("id"), i + 1}})
                      .toString(),
                  title);
        // The prefix search: the lower-cased column against the lower-cased text and "%".
        const Rows found = db.select(QStringLiteral("select id from konyv where lower(fc) like :p"),
                                     {{QStringLiteral("p"), prefixPattern(title.left(6))}});
        ASSERT_EQ(found.size(), 1u) << title.toStdString();
        EXPECT_EQ(found.front().toInt(QStringLiteral("id")), i + 1);
        // The database's lower() and ours agree, accented capitals included.
        EXPECT_EQ(db.scalar(QStringLiteral("select lower(fc) from konyv where id = :id"),
                            {{QStringLiteral("id"), i + 1}})
                      .toString(),
                  huLower(title));
    }
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from konyv")).toInt(), 3);
}

TEST_F(StatementsTest, PercentAloneMatchesEmptyTextButNotMissingValues) {
    db.exec(QStringLiteral("insert into lhely (id, lhely) values (1, '')"));
    db.exec(QStringLiteral("insert into lhely (id, lhely) values (2, 'Raktár')"));
    db.exec(QStringLiteral("insert into lhely (id) values (3)"));
    const Rows rows = db.select(QStringLiteral("select id from lhely where lhely like :p order by id"),
                                {{QStringLiteral("p"), choicePattern(QString())}});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows.at(0).toInt(QStringLiteral("ID")), 1);
    EXPECT_EQ(rows.at(1).toInt(QStringLiteral("Id")), 2);
    EXPECT_EQ(anywherePattern(QStringLiteral("ÁR")), QStringLiteral("%ár%"));
}

TEST_F(StatementsTest, ColumnsAndAggregatesAreReadByNameInAnyCase) {
    db.exec(QStringLiteral("insert into kvtaros (id, nev, kat) values (7, 'Kiss Anna', true)"));
    const auto row = db.selectFirst(QStringLiteral("select * from kvtaros"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(QStringLiteral("NEV")), QStringLiteral("Kiss Anna"));
    EXPECT_TRUE(row->toBool(QStringLiteral("kat")));
    EXPECT_TRUE(row->isNull(QStringLiteral("email")));
    // A missing number reads as missing, not as 0.
    db.exec(QStringLiteral("insert into kpld (sorszam) values (1)"));
    const auto copy = db.selectFirst(QStringLiteral("select lszam2 from kpld"));
    EXPECT_TRUE(copy->isNull(QStringLiteral("lszam2")));
    EXPECT_EQ(copy->text(QStringLiteral("lszam2")), QString());
    const auto agg = db.selectFirst(QStringLiteral("select max(id), count(*) from kvtaros"));
    EXPECT_EQ(agg->toInt(QStringLiteral("max")), 7);
    EXPECT_EQ(agg->value(QStringLiteral("count")).toLongLong(), 1);
}

TEST_F(StatementsTest, BlobTextArrivesAsText) {
    const QString notes = QStringLiteral("Első megjegyzés#Második: ő, ű, és egy ' jel");
    db.exec(QStringLiteral("insert into konyv (id, fc, megj) values (1, 'x', :m)"),
            {{QStringLiteral("m"), notes}});
    EXPECT_EQ(db.scalar(QStringLiteral("select megj from konyv")).toString(), notes);
    EXPECT_EQ(db.select(QStringLiteral("select id from konyv where lower(megj) like :p"),
                        {{QStringLiteral("p"), anywherePattern(QStringLiteral("MÁSODIK"))}})
                  .size(),
              1u);
}

TEST_F(StatementsTest, EditableTableInsertsModifiesByCurrentKeyAndDeletesByKeyAsRead) {
    EditableTable lhely(db, QStringLiteral("lhely"));
    EXPECT_EQ(lhely.insertStatement(), QStringLiteral("insert into lhely (id,lhely) values (:id,:lhely);"));
    EXPECT_EQ(lhely.modifyStatement(), QStringLiteral("update lhely set id=:id,lhely=:lhely where id=:id;"));
    EXPECT_EQ(lhely.deleteStatement(), QStringLiteral("delete from lhely where id=:old_id;"));

    lhely.insert({{QStringLiteral("id"), 1}, {QStringLiteral("lhely"), QStringLiteral("Gyerekrészleg")}});
    lhely.insert({{QStringLiteral("id"), 2}, {QStringLiteral("LHELY"), QStringLiteral("Olvasóterem")}});
    lhely.modify({{QStringLiteral("id"), 2}, {QStringLiteral("lhely"), QStringLiteral("Kölcsönző")}});
    EXPECT_EQ(db.scalar(QStringLiteral("select lhely from lhely where id = 2")).toString(),
              QStringLiteral("Kölcsönző"));
    lhely.remove(1);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from lhely")).toInt(), 1);
    // A row without its key is refused, never stored under key 0.
    EXPECT_THROW(lhely.insert({{QStringLiteral("lhely"), QStringLiteral("Kulcs nélkül")}}), DbError);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from lhely")).toInt(), 1);
}

TEST_F(StatementsTest, RejectedStatementsCarryTheDriversText) {
    try {
        db.exec(QStringLiteral("insert into lhely (lhely) values ('kulcs nélkül')"));
        FAIL() << "a row without its key was accepted";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("ID"))) << e.what();
    }
    EXPECT_THROW(db.select(QStringLiteral("select nincs from sehol")), DbError);
    // A conversion error shows up while fetching, and still becomes an error.
    db.exec(QStringLiteral("insert into konyv (id, fc, kiadev) values (1, 'x', 'nem szám')"));
    EXPECT_THROW(db.select(QStringLiteral("select cast(kiadev as integer) from konyv")), DbError);
}

} // namespace
