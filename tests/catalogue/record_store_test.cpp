// Records: keys, the save with its stamps and index rebuild, copies of records, find, delete.
#include "catalogue_fixture.h"

using namespace kodrix;

namespace {

using RecordStoreTest = test::CatalogueTest;

TEST_F(RecordStoreTest, FirstRecordAndFirstIndexRowsGetKeyOne) {
    Record r = records.newRecord(QStringLiteral("Ft"));
    EXPECT_EQ(r.value("id").toInt(), 1);
    EXPECT_EQ(r.value("szemtest").toString(), QStringLiteral("s"));
    EXPECT_EQ(r.value("nyelv").toString(), QStringLiteral("magyar"));
    EXPECT_EQ(r.value("pnem").toString(), QStringLiteral("Ft"));
    EXPECT_EQ(r.value("doktipus").toString(), QStringLiteral("Könyv"));
    EXPECT_EQ(r.value("kvtaros1").toString(), QStringLiteral("Kiss Anna"));
    EXPECT_EQ(r.value("rdatum").toDate(), QDate(2024, 3, 15));
    r.insert("fc", QStringLiteral("A Pál utcai fiúk"));
    r.insert("szerzo", QStringLiteral("Molnár Ferenc"));
    ASSERT_EQ(records.save(r, true, false), RecordStore::SaveResult::Saved);
    EXPECT_EQ(keys("kszerzo", 1), QList<int>({1}));
    EXPECT_EQ(keys("kcim", 1), QList<int>({1}));
    EXPECT_EQ(entries("kcim", "doktipus", 1), QStringList({"Könyv"}));
    // Saved by its creator: no modification stamp.
    EXPECT_TRUE(db.scalar(QStringLiteral("select kvtaros2 from konyv where id=1")).isNull());
}

TEST_F(RecordStoreTest, SaveWithoutTitleStoresNothing) {
    Record r = records.newRecord(QString());
    r.insert("szerzo", QStringLiteral("Valaki"));
    EXPECT_EQ(records.save(r, true, false), RecordStore::SaveResult::MissingTitle);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from konyv")).toInt(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kszerzo")).toInt(), 0);
}

TEST_F(RecordStoreTest, SecondSaveRebuildsTitlesAlwaysAndAuthorsOnlyAfterAnAuthorEdit) {
    Record r = addBook({{"fc", "Egri csillagok"}, {"ac", "regény"}, {"szerzo", "Gárdonyi Géza"}});
    const QVariant id = r.value("id");
    EXPECT_EQ(keys("kcim", id), QList<int>({1, 2}));
    EXPECT_EQ(keys("kszerzo", id), QList<int>({1}));

    r.insert("ac", QString());
    r.insert("tft", QStringLiteral("Szántó Piroska"));  // not marked as an author edit
    ASSERT_EQ(records.save(r, false, false), RecordStore::SaveResult::Saved);
    EXPECT_EQ(entries("kcim", "cim", id), QStringList({"Egri csillagok"}));
    EXPECT_EQ(keys("kcim", id), QList<int>({3}));
    EXPECT_EQ(entries("kszerzo", "szerzo", id), QStringList({"Gárdonyi Géza"}));

    ASSERT_EQ(records.save(r, false, true), RecordStore::SaveResult::Saved);
    EXPECT_EQ(entries("kszerzo", "szerzo", id), QStringList({"Gárdonyi Géza", "Szántó Piroska"}));
    EXPECT_EQ(keys("kszerzo", id), QList<int>({2, 3}));
    EXPECT_EQ(keys("kcim", id), QList<int>({4}));
}

TEST_F(RecordStoreTest, AnotherLibrarianStampsTheModification) {
    Record r = addBook({{"fc", "Toldi"}});
    RecordStore other(db, clock, QStringLiteral("Könyv"), QStringLiteral("Nagy Béla"));
    clock.set(QDate(2024, 4, 2));
    ASSERT_EQ(other.save(r, false, false), RecordStore::SaveResult::Saved);
    const auto row = db.selectFirst(QStringLiteral("select * from konyv where id=:id"), {{"id", r.value("id")}});
    EXPECT_EQ(row->text("kvtaros1"), QStringLiteral("Kiss Anna"));
    EXPECT_EQ(row->text("kvtaros2"), QStringLiteral("Nagy Béla"));
    EXPECT_EQ(row->date("mdatum"), QDate(2024, 4, 2));
}

TEST_F(RecordStoreTest, FailedIndexRebuildLeavesTheRecordAsItWas) {
    Record r = addBook({{"fc", "Eredeti"}, {"szerzo", "Szerző"}});
    // The index row is refused after the record row was written.
    db.exec(QStringLiteral("create exception kx_test_refused 'refused'"));
    db.exec(QStringLiteral("create trigger kx_test_refuse for kszerzo before insert as "
                           "begin if (new.szerzo = 'HIBA') then exception kx_test_refused; end"));
    r.insert("fc", QStringLiteral("Új cím"));
    r.insert("szerzo", QStringLiteral("HIBA"));
    EXPECT_THROW(records.save(r, false, true), db::DbError);
    EXPECT_EQ(db.scalar(QStringLiteral("select fc from konyv where id=:id"), {{"id", r.value("id")}}).toString(),
              QStringLiteral("Eredeti"));
    EXPECT_EQ(entries("kszerzo", "szerzo", r.value("id")), QStringList({"Szerző"}));
}

TEST_F(RecordStoreTest, CopyRepeatsTheRecordAndItsIndexRows) {
    Record source = addBook({{"fc", "Tüskevár"}, {"szerzo", "Fekete István"}, {"kiadev", "1957"}, {"ar", 1500}});
    bool treatAsNew = true;
    const Record copy = records.copyRecord(source, &treatAsNew);
    EXPECT_FALSE(treatAsNew);
    EXPECT_EQ(copy.value("id").toInt(), 2);
    const auto row = db.selectFirst(QStringLiteral("select * from konyv where id=2"));
    EXPECT_EQ(row->text("fc"), QStringLiteral("Tüskevár"));
    EXPECT_EQ(row->text("kiadev"), QStringLiteral("1957"));
    EXPECT_DOUBLE_EQ(row->toDouble("ar"), 1500);
    EXPECT_EQ(row->text("kvtaros1"), QStringLiteral("Kiss Anna"));
    EXPECT_EQ(entries("kszerzo", "szerzo", 2), QStringList({"Fekete István"}));
    EXPECT_EQ(keys("kszerzo", 2), QList<int>({2}));
    EXPECT_EQ(entries("kcim", "cim", 2), QStringList({"Tüskevár"}));

    db.exec(QStringLiteral("delete from kszerzo where id=2"));
    records.copyRecord(copy, &treatAsNew);
    EXPECT_TRUE(treatAsNew);
}

TEST_F(RecordStoreTest, FindByEachModeWithinTheDocumentType) {
    addBook({{"fc", "Árnyékország"}, {"szerzo", "Őri Péter"}});
    addBook({{"fc", "Ablak"}, {"szerzo", "O'Brien"}});
    RecordStore av(db, clock, QStringLiteral("AV"), QStringLiteral("Kiss Anna"));
    Record film = av.newRecord(QString());
    film.insert("fc", QStringLiteral("Ármány"));
    av.save(film, true, false);
    db.exec(QStringLiteral("insert into kpld (sorszam, id, lszam, vonalkod, doktipus) values (1, 1, 77, 'K0001', 'Könyv')"));

    using M = RecordStore::FindMode;
    auto f = records.find(M::Title, QStringLiteral("  ÁR "));
    ASSERT_EQ(f.records.size(), 1u);
    EXPECT_EQ(f.records.front().value("fc").toString(), QStringLiteral("Árnyékország"));
    EXPECT_TRUE(f.message.isEmpty());
    EXPECT_EQ(records.find(M::Author, QStringLiteral("o'b")).records.size(), 1u);
    EXPECT_EQ(records.find(M::Author, QStringLiteral("ŐRI")).records.size(), 1u);
    EXPECT_EQ(records.find(M::Author, QStringLiteral("Nincs")).message, QStringLiteral("Nincs ilyen szerző"));
    f = records.find(M::InventoryNumber, QStringLiteral("77"));
    ASSERT_EQ(f.records.size(), 1u);
    EXPECT_EQ(f.copies.size(), 1u);
    EXPECT_EQ(records.find(M::InventoryNumber, QStringLiteral("78")).message,
              QStringLiteral("Nincs ilyen leltári számú dokumentum"));
    EXPECT_EQ(records.find(M::Barcode, QStringLiteral("K0001")).records.size(), 1u);
    EXPECT_EQ(records.find(M::Barcode, QStringLiteral("k0001")).message, QStringLiteral("Nincs ilyen vonalkódú dokumentum"));
    EXPECT_EQ(records.find(M::Id, QStringLiteral("2")).records.size(), 1u);
    EXPECT_EQ(records.find(M::Id, QStringLiteral("3")).message, QStringLiteral("Nincs ilyen sorszámú dokumentum"));
    EXPECT_TRUE(records.find(M::Id, QString()).message.isEmpty());
}

TEST_F(RecordStoreTest, DeleteRemovesCopiesIndexRowsAndTheRecord) {
    Record r = addBook({{"fc", "Kincskereső kisködmön"}, {"szerzo", "Móra Ferenc"}});
    db.exec(QStringLiteral("insert into kpld (sorszam, id) values (1, :id)"), {{"id", r.value("id")}});
    db.exec(QStringLiteral("insert into kv_an (id, konyvid) values (1, :id)"), {{"id", r.value("id")}});
    records.deleteRecord(r.value("id"));
    for (const char* t : {"konyv", "kpld", "kszerzo", "kcim"})
        EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from %1").arg(QLatin1String(t))).toInt(), 0) << t;
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kv_an")).toInt(), 1);
    // The deleted record's key is not given to the next one.
    EXPECT_EQ(records.newRecord(QString()).value("id").toInt(), 2);
}

} // namespace
