// The catalogue search over a small catalogue: match types, the apostrophe, synonyms, years,
// Hungarian order, the newest acquisitions, and the daily count.
#include "catalogue_search.h"
#include "kereskv.h"
#include "shell_fixture.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractButton>
#include <QTableView>

using namespace kodrix;

namespace {

class SearchTest : public test::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        struct Book {
            int id;
            const char* author;
            const char* title;
            const char* year;
            const char* subject;
            const char* type;
            const char* location;
            int lszam;
            const char* owner;
        };
        const Book books[] = {
            {1, "Kiss Anna", "Tavaszi szél", "1990", "vers", "Könyv", "Olvasóterem", 10, "PSAI"},
            {2, "Makiss Béla", "Nyári eső", "1993", "regény", "Könyv", "Gyerekrészleg", 11, "PSAI"},
            {3, "kis", "Őszi ködök", "1995", "vers", "AV", "Olvasóterem", 12, ""},
            {4, "O'Brien", "Ír mesék", "1989", "mese", "Könyv", "Raktár", 13, "PSAI"},
            {5, "Oxbrien", "Égi jelek", "1996", "Hangoskönyv", "Hangzó", "Olvasóterem", 14, "PSAI"},
            {6, "Cukor Ede", "Édes élet", "1990", "regény", "Könyv", "Olvasóterem", 15, "PSAI"},
            {7, "Csaba Dóra", "Csendes erdő", "1990", "regény", "Könyv", "Olvasóterem", 16, "PSAI"},
            {8, "Ábel Péter", "Ablak", "1990", "regény", "Könyv", "Olvasóterem", 17, "PSAI"},
        };
        for (const Book& b : books) {
            db.exec(QStringLiteral("insert into konyv (id,doktipus,szerzo,fc,kiadev,tszo,kiadas) values (:id,:t,:a,:f,:y,:s,:k)"),
                    {{"id", b.id}, {"t", QString::fromUtf8(b.type)}, {"a", QString::fromUtf8(b.author)},
                     {"f", QString::fromUtf8(b.title)}, {"y", QString::fromUtf8(b.year)}, {"s", QString::fromUtf8(b.subject)},
                     {"k", QStringLiteral("Budapest : O'Reilly")}});
            db.exec(QStringLiteral("insert into kszerzo (sorszam,doktipus,id,szerzo) values (:id,:t,:id,:a)"),
                    {{"id", b.id}, {"t", QString::fromUtf8(b.type)}, {"a", QString::fromUtf8(b.author)}});
            db.exec(QStringLiteral("insert into kcim (sorszam,doktipus,id,cim) values (:id,:t,:id,:f)"),
                    {{"id", b.id}, {"t", QString::fromUtf8(b.type)}, {"f", QString::fromUtf8(b.title)}});
            db.exec(QStringLiteral("insert into kpld (sorszam,id,lhely,lszam,tulaj,doktipus,vonalkod) values (:id,:id,:l,:n,:o,:t,:v)"),
                    {{"id", b.id}, {"l", QString::fromUtf8(b.location)}, {"n", b.lszam}, {"o", QString::fromUtf8(b.owner)},
                     {"t", QString::fromUtf8(b.type)}, {"v", QStringLiteral("B%1").arg(b.id)}});
        }
        // A second copy of the first record: still one row in the result.
        db.exec(QStringLiteral("insert into kpld (sorszam,id,lhely,lszam,tulaj,doktipus) values (20,1,'Olvasóterem',30,'PSAI','Könyv')"));
        db.exec(QStringLiteral("insert into targyszo (id,targyszo,szinonima) values (1,'vers','Költemény')"));
        db.exec(QStringLiteral("insert into lhely (id,lhely) values (1,'Olvasóterem')"));
        db.exec(QStringLiteral("insert into lhely (id,lhely) values (2,'Gyerekrészleg')"));
    }

    QList<int> ids(const CatalogueSearch::Result& r) {
        int column = -1;
        for (int i = 0; i < r.columns.size(); ++i)
            if (r.columns.at(i).compare("id", Qt::CaseInsensitive) == 0) column = i;
        QList<int> out;
        for (const auto& row : r.rows) out.append(row.at(column).toInt());
        return out;
    }
    QList<int> find(int mode, const char* text, CatalogueSearch::Match match, const char* second = "",
                    const char* location = "", const char* type = "") {
        CatalogueSearch::Request r;
        r.mode = mode;
        r.text = QString::fromUtf8(text);
        r.second = QString::fromUtf8(second);
        r.match = match;
        r.location = QString::fromUtf8(location);
        r.type = QString::fromUtf8(type);
        return ids(CatalogueSearch(db).run(r));
    }
};

using M = CatalogueSearch::Match;

TEST_F(SearchTest, MatchTypesApostropheSynonymsAndYears) {
    const struct {
        const char* what;
        int mode;
        const char* text;
        M match;
        const char* second;
        const char* location;
        const char* type;
        QList<int> expected;
    } cases[] = {
        {"word start finds Kiss, not Makiss", CatalogueSearch::Author, "KIS", M::Prefix, "", "", "", {3, 1}},
        {"anywhere finds both", CatalogueSearch::Author, "kis", M::Anywhere, "", "", "", {3, 1, 2}},
        {"exact finds only the entry kis", CatalogueSearch::Author, "Kis", M::Exact, "", "", "", {3}},
        {"an apostrophe matches any one character", CatalogueSearch::Author, "o'brien", M::Exact, "", "", "", {4, 5}},
        {"author with a title term", CatalogueSearch::Author, "kis", M::Anywhere, "ny", "", "", {2}},
        {"author within a location", CatalogueSearch::Author, "kis", M::Anywhere, "", "Gyerek", "", {2}},
        {"title prefix with accents", CatalogueSearch::Title, "ŐSZI", M::Prefix, "", "", "", {3}},
        {"title within a document type", CatalogueSearch::Title, "öd", M::Anywhere, "", "", "AV", {3}},
        {"title with an author term", CatalogueSearch::Title, "e", M::Anywhere, "o", "", "", {5, 4}},
        {"subject", CatalogueSearch::Subject, "vers", M::Exact, "", "", "", {3, 1}},
        {"subject synonym gives the preferred heading", CatalogueSearch::Subject, "költemény", M::Exact, "", "", "", {3, 1}},
        {"year alone", CatalogueSearch::Year, "1993", M::Prefix, "", "", "", {2}},
        {"year range", CatalogueSearch::Year, "1990", M::Prefix, "1995", "", "", {8, 6, 7, 3, 1, 2}},
        {"a quote in another mode is just a character", CatalogueSearch::Publication, "o'reilly", M::Anywhere, "", "", "", {8, 6, 7, 3, 1, 2, 4, 5}},
        {"inventory number", CatalogueSearch::InventoryNumber, "12", M::Prefix, "", "", "", {3}},
        {"inventory number that is not a number", CatalogueSearch::InventoryNumber, "x'1", M::Prefix, "", "", "", {}},
        {"barcode as typed", CatalogueSearch::Barcode, "B4", M::Prefix, "", "", "", {4}},
        {"audiobook list", CatalogueSearch::AudiobookList, "", M::Prefix, "", "", "", {5}},
        {"full list of a location", CatalogueSearch::FullList, "", M::Prefix, "", "Gyerek", "", {2}},
        {"full list everywhere runs nothing", CatalogueSearch::FullList, "", M::Prefix, "", "", "", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(find(c.mode, c.text, c.match, c.second, c.location, c.type), c.expected) << c.what;
}

TEST_F(SearchTest, ResultsAreDistinctAndInHungarianOrder) {
    // Á sorts with A, and cs is a letter of its own after c: Ábel, Cukor, Csaba, Kiss.
    EXPECT_EQ(find(CatalogueSearch::Year, "1990", M::Prefix), QList<int>({8, 6, 7, 1}));
    // Two copies of one record give one row.
    EXPECT_EQ(find(CatalogueSearch::Title, "tavaszi", M::Prefix), QList<int>({1}));
}

TEST_F(SearchTest, NewestAcquisitionsAreTheLibrarysHighestNumbers) {
    CatalogueSearch search(db);
    auto r = search.newest(QStringLiteral("PSAI"), {}, {});
    EXPECT_EQ(ids(r), QList<int>({1, 8, 7, 6, 5, 4, 2, 1}));
    EXPECT_EQ(r.rows.front().last().toInt(), 30);
    EXPECT_EQ(ids(search.newest(QString(), {}, {})), QList<int>({3}));
    EXPECT_EQ(ids(search.newest(QStringLiteral("PSAI"), QStringLiteral("Hangzó"), {})), QList<int>({5}));
    EXPECT_TRUE(search.newest(QStringLiteral("PSAI"), {}, QStringLiteral("Olvasó")).rows.empty());
}

class SearchWindowTest : public SearchTest {
protected:
    Tkereskv* openSearch() { return open<Tkereskv>(cmd::SearchCatalogue); }
    QVariantList counts() {
        const auto row = db.selectFirst(QStringLiteral("select keresolv, kerkt from keresstat where datum=:d"), {{"d", clock.today()}});
        return row ? QVariantList{row->toInt("keresolv"), row->toInt("kerkt")} : QVariantList{};
    }
};

TEST_F(SearchWindowTest, ReadersSearchWithoutLoginAndEverySearchIsCounted) {
    Tkereskv* w = openSearch();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), Tkereskv::kCaption);
    EXPECT_EQ(w->modeList()->count(), 16);
    EXPECT_EQ(w->locationList()->itemText(0), QStringLiteral("Mindenhol"));
    EXPECT_EQ(w->locationList()->itemText(1), QStringLiteral("Gyerekrészleg"));

    w->searchText()->setText(QStringLiteral("k"));
    QTest::keyClick(w->searchText(), Qt::Key_Return);
    EXPECT_EQ(dialogs.texts(), QStringList({CatalogueSearch::kTooShort}));
    EXPECT_TRUE(counts().isEmpty());

    dialogs.clear();
    w->searchText()->setText(QStringLiteral("kis"));
    QTest::keyClick(w->searchText(), Qt::Key_Return);
    EXPECT_EQ(w->hitCount()->text(), QStringLiteral("3 db"));
    EXPECT_EQ(counts(), QVariantList({1, 0}));
    EXPECT_EQ(w->header(2), QStringLiteral("Szerző és szerzőségi adatok"));
    EXPECT_EQ(w->header(5), QStringLiteral("Kötet adatok"));
    EXPECT_EQ(w->header(8), QStringLiteral("kiadas"));

    window->session().librarianName = QStringLiteral("Kiss Anna");
    window->showGroupsForRights(QStringLiteral("11111"));
    w->search();
    EXPECT_EQ(counts(), QVariantList({1, 1}));
    // After a logout the name stays, but the search is a reader's again.
    window->logout();
    w->search();
    EXPECT_EQ(counts(), QVariantList({2, 1}));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(SearchWindowTest, SecondTermInventorySelectionAndCaptionVariants) {
    Tkereskv* w = openSearch();
    const QList<int> withSecond = {0, 1, 2, 4, 11};
    for (int m = 0; m < 16; ++m) {
        w->modeList()->setCurrentIndex(m);
        EXPECT_EQ(w->secondTerm()->isEnabled(), withSecond.contains(m)) << m;
    }
    w->modeList()->setCurrentIndex(CatalogueSearch::InventoryNumber);
    w->searchText()->setText(QStringLiteral("1"));
    w->search();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(w->selectionNumber(), 1);
    w->searchText()->setText(QStringLiteral("13"));
    w->search();
    ASSERT_EQ(w->rowCount(), 1);
    QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, {}, w->grid()->visualRect(w->grid()->model()->index(0, 0)).center());
    EXPECT_EQ(w->selectionNumber(), 4);

    w->typeList()->setCurrentText(QStringLiteral("Hangzó"));
    w->modeList()->setCurrentIndex(CatalogueSearch::Title);
    w->searchText()->setText(QStringLiteral("jel"));
    w->search();
    EXPECT_EQ(w->header(5), QStringLiteral("Terjedelem"));
    w->modeList()->setCurrentIndex(CatalogueSearch::AudiobookList);
    w->search();
    EXPECT_EQ(w->rowCount(), 1);
    EXPECT_EQ(w->header(6), QStringLiteral("Előadó"));
    EXPECT_TRUE(w->columnHidden(7));

    w->typeList()->setCurrentIndex(0);
    w->button(QStringLiteral("Újdonságok"))->click();
    EXPECT_EQ(w->rowCount(), 1);  // no library code: the copies without an owner
    EXPECT_EQ(w->header(4), QStringLiteral("Kiad. év"));
    EXPECT_TRUE(w->columnHidden(6));
    EXPECT_TRUE(w->columnHidden(7));
}

} // namespace
