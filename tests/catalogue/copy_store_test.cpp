// Copies: the save with its questions, the price rule, inventory numbers, barcodes.
#include "catalogue_fixture.h"

using namespace kodrix;

namespace {

class CopyStoreTest : public test::CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        book = addBook({{"fc", "Légy jó mindhalálig"}, {"ar", 2500}});
        other = addBook({{"fc", "Az arany ember"}});
    }
    Record copyOf(const Record& record, int lszam, const QString& barcode, const QString& owner = QStringLiteral("PSAI")) {
        Record c = copies.newCopy(record.value("id"), owner);
        if (lszam > 0) c.insert("lszam", lszam);
        c.insert("vonalkod", barcode);
        return c;
    }
    int count() { return db.scalar(QStringLiteral("select count(*) from kpld")).toInt(); }
    Record book, other;
};

TEST_F(CopyStoreTest, NewCopyGetsItsKeyStampsAndThisYear) {
    Record c = copyOf(book, 1, QStringLiteral("B1"));
    EXPECT_EQ(c.value("beszdatum").toString(), QStringLiteral("2024"));
    ASSERT_EQ(copies.save(c, true, book.value("ar"), QStringLiteral("PSAI"), dialogs), CopyStore::SaveResult::Saved);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    const auto row = db.selectFirst(QStringLiteral("select * from kpld"));
    EXPECT_EQ(row->toInt("sorszam"), 1);
    EXPECT_EQ(row->text("doktipus"), QStringLiteral("Könyv"));
    EXPECT_EQ(row->text("kvtaros1"), QStringLiteral("Kiss Anna"));
    EXPECT_EQ(row->date("rdatum"), QDate(2024, 3, 15));
    EXPECT_EQ(row->toInt("id"), book.value("id").toInt());
}

TEST_F(CopyStoreTest, QuestionsComeInOrderAndNoStopsTheSave) {
    Record first = copyOf(other, 5, QStringLiteral("X1"));
    ASSERT_EQ(copies.save(first, true, 100, QStringLiteral("PSAI"), dialogs), CopyStore::SaveResult::Saved);
    const QString noNumber = QStringLiteral("Nincs megadva a leltári szám! Menti?");
    const QString numberUsed = QStringLiteral("Ilyen leltári számú dokumentum már létezik. Folytatja a mentést?");
    const QString barcodeUsed = QStringLiteral("Ilyen vonalkódú dokumentum már létezik!\nSorszám: 2. Folytatja a mentést?");
    const struct {
        int lszam;
        const char* barcode;
        std::vector<Dialogs::Answer> answers;
        QStringList asked;
        CopyStore::SaveResult result;
    } cases[] = {
        {0, "", {Dialogs::Answer::No}, {noNumber}, CopyStore::SaveResult::Cancelled},
        {5, "", {Dialogs::Answer::No}, {numberUsed}, CopyStore::SaveResult::Cancelled},
        {6, "X1", {Dialogs::Answer::No}, {barcodeUsed}, CopyStore::SaveResult::Cancelled},
        {5, "X1", {Dialogs::Answer::Yes, Dialogs::Answer::No}, {numberUsed, barcodeUsed}, CopyStore::SaveResult::Cancelled},
        {0, "X1", {Dialogs::Answer::Yes, Dialogs::Answer::Yes}, {noNumber, barcodeUsed}, CopyStore::SaveResult::Saved},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        dialogs.answers = {c.answers.begin(), c.answers.end()};
        Record copy = copyOf(book, c.lszam, QString::fromUtf8(c.barcode));
        EXPECT_EQ(copies.save(copy, true, 100, QStringLiteral("PSAI"), dialogs), c.result) << c.lszam << c.barcode;
        EXPECT_EQ(dialogs.texts(), c.asked) << c.lszam << c.barcode;
    }
    EXPECT_EQ(count(), 2);
}

TEST_F(CopyStoreTest, NumberOfTheSameRecordPassesAndAnyOtherRecordsNumberAsks) {
    Record a = copyOf(book, 9, QString());
    copies.save(a, true, 100, QStringLiteral("PSAI"), dialogs);
    Record b = copyOf(book, 9, QString());
    EXPECT_EQ(copies.save(b, true, 100, QStringLiteral("PSAI"), dialogs), CopyStore::SaveResult::Saved);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    // The other record's copy is found even when the record's own copies come first.
    dialogs.answers = {Dialogs::Answer::No};
    Record c = copyOf(other, 9, QString());
    EXPECT_EQ(copies.save(c, true, 100, QStringLiteral("PSAI"), dialogs), CopyStore::SaveResult::Cancelled);
    EXPECT_EQ(dialogs.texts().size(), 1);
}

TEST_F(CopyStoreTest, BarcodeOfAnyOtherCopyIsReportedButNotTheCopysOwn) {
    Record a = copyOf(book, 1, QStringLiteral("Z9"));
    copies.save(a, true, 100, QStringLiteral("PSAI"), dialogs);
    EXPECT_EQ(copies.barcodeUsedElsewhere(QStringLiteral("Z9"), a.value("sorszam")), std::nullopt);
    // Another copy of the same record with that barcode is reported too.
    EXPECT_EQ(copies.barcodeUsedElsewhere(QStringLiteral("Z9"), QVariant()).value_or("-").toStdString(), "1");
    RecordStore av(db, clock, QStringLiteral("AV"), QStringLiteral("Kiss Anna"));
    CopyStore avCopies(db, clock, QStringLiteral("AV"), QStringLiteral("Kiss Anna"));
    EXPECT_TRUE(avCopies.barcodeUsedElsewhere(QStringLiteral("Z9"), QVariant()).has_value());
    dialogs.answers = {Dialogs::Answer::No};
    Record b = copyOf(book, 2, QStringLiteral("Z9"));
    EXPECT_EQ(copies.save(b, true, 100, QStringLiteral("PSAI"), dialogs), CopyStore::SaveResult::Cancelled);
}

TEST_F(CopyStoreTest, OwnCopiesNeedAPriceForeignOnesDoNot) {
    Record own = copyOf(other, 3, QString(), QStringLiteral("PSAI"));
    EXPECT_EQ(copies.save(own, true, QVariant(), QStringLiteral("PSAI"), dialogs), CopyStore::SaveResult::NeedsPrice);
    EXPECT_EQ(dialogs.texts(), QStringList({CopyStore::kNeedsPrice}));
    EXPECT_EQ(count(), 0);
    dialogs.clear();
    Record foreign = copyOf(other, 4, QString(), QStringLiteral("MASIK"));
    EXPECT_EQ(copies.save(foreign, true, QVariant(), QStringLiteral("PSAI"), dialogs), CopyStore::SaveResult::Saved);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(CopyStoreTest, NextInventoryNumberRunsPerTypeAndPrefixOverOwnLiveCopies) {
    const auto add = [&](int key, const char* type, const char* prefix, int number, const char* owner, const char* status) {
        db.exec(QStringLiteral("insert into kpld (sorszam, id, doktipus, lbetu, lszam, tulaj, statusz) "
                               "values (:k, 1, :t, :b, :l, :o, :s)"),
                {{"k", key}, {"t", QString::fromUtf8(type)}, {"b", QString::fromUtf8(prefix)}, {"l", number},
                 {"o", QString::fromUtf8(owner)}, {"s", status ? QVariant(QString::fromUtf8(status)) : QVariant()}});
    };
    EXPECT_EQ(copies.nextInventoryNumber(QString(), QStringLiteral("PSAI")), 1);
    add(1, "Könyv", "", 10, "PSAI", "3 hét");
    add(2, "Könyv", "Nemz.", 3, "PSAI", "3 hét");
    add(3, "Könyv", "", 50, "PSAI", "Selejtezve");
    add(4, "Könyv", "", 60, "MASIK", "3 hét");
    add(5, "AV", "", 70, "PSAI", "3 hét");
    add(6, "Könyv", "", 12, "PSAI", nullptr);  // no status yet: still the library's copy
    EXPECT_EQ(copies.nextInventoryNumber(QString(), QStringLiteral("PSAI")), 13);
    EXPECT_EQ(copies.nextInventoryNumber(QStringLiteral(" Nemz. "), QStringLiteral("PSAI")), 4);
    EXPECT_EQ(copies.nextInventoryNumber(QStringLiteral("Ifj."), QStringLiteral("PSAI")), 1);
}

TEST_F(CopyStoreTest, DuplicateCarriesTheCopyOverWithTheNextVolume) {
    Record a = copyOf(book, 8, QStringLiteral("D1"));
    a.insert("lhely", QStringLiteral("Olvasóterem"));
    a.insert("kotszam", QStringLiteral("2"));
    a.insert("statusz", QStringLiteral("3 hét"));
    copies.save(a, true, 100, QStringLiteral("PSAI"), dialogs);
    const Record d = copies.duplicate(a);
    EXPECT_EQ(d.value("sorszam").toInt(), 2);
    const auto row = db.selectFirst(QStringLiteral("select * from kpld where sorszam=2"));
    EXPECT_EQ(row->toInt("lszam"), 8);
    EXPECT_EQ(row->text("lhely"), QStringLiteral("Olvasóterem"));
    EXPECT_EQ(row->text("kotszam"), QStringLiteral("3"));
    EXPECT_TRUE(row->text("vonalkod").isEmpty());
    a.insert("kotszam", QStringLiteral("II."));
    EXPECT_TRUE(copies.duplicate(a).value("kotszam").isNull());
}

TEST_F(CopyStoreTest, DeleteWarnsAsksAndDeletesOnIgen) {
    Record a = copyOf(book, 1, QString());
    copies.save(a, true, 100, QStringLiteral("PSAI"), dialogs);
    dialogs.clear();
    dialogs.answers = {Dialogs::Answer::No};
    EXPECT_FALSE(copies.remove(a, dialogs));
    EXPECT_EQ(dialogs.texts(), QStringList({"Figyelem! Selejtezéshez tegye selejtjegyzékre, majd úgy selejtezze!!!",
                                            "Biztosan törölni kívánja?"}));
    EXPECT_EQ(count(), 1);
    EXPECT_TRUE(copies.remove(a, dialogs));
    EXPECT_EQ(count(), 0);
}

TEST(CopyCategory, LocationSetsTheCategory) {
    const struct {
        const char* location;
        const char* current;
        const char* expected;
    } cases[] = {
        {"Gyerekrészleg", "", "Ifjúsági"}, {"Gyerek", "Muzeális", "Ifjúsági"}, {"Gyermek", "", ""},
        {"Helyismereti gyűjtemény", "", "Helyismeret"}, {"Helytörténet", "", "Helyismeret"},
        {"Olvasóterem", "Nemzetiségi", "Nemzetiségi"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CopyStore::categoryForLocation(QString::fromUtf8(c.location), QString::fromUtf8(c.current)),
                  QString::fromUtf8(c.expected))
            << c.location;
}

} // namespace
