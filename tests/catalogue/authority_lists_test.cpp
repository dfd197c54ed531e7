// Publishers, subject headings, genres and the author authority list.
#include "authority_lists.h"
#include "kat_kv.h"
#include "list_grid.h"
#include "shell_fixture.h"

#include <QComboBox>
#include <QLineEdit>

using namespace kodrix;

namespace {

TEST(AuthorityLists, PickedHeadingsAreAppendedWithTheirSeparator) {
    const struct {
        const char* subjects;
        const char* heading;
        const char* separator;
        const char* expected;
    } cases[] = {
        {"", "vers", "#", "Vers"},
        {"Vers", "ének", "#", "Vers#Ének"},
        {"Vers", "ősz", " - ", "Vers - Ősz"},
        {"Vers", "", "#", "Vers"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AuthorityLists::appendSubject(QString::fromUtf8(c.subjects), QString::fromUtf8(c.heading),
                                                QString::fromUtf8(c.separator)),
                  QString::fromUtf8(c.expected));
}

using AuthorityListsTest = test::DbTest;

TEST_F(AuthorityListsTest, ANameIsAddedOncePerTypeAndHeadingsOnce) {
    db.exec(QStringLiteral("insert into kiadok (id, doktipus, kiado) values (7, 'Könyv', 'Móra')"));
    AuthorityLists books(db, QStringLiteral("Könyv"));
    EXPECT_FALSE(books.addPublisher(QStringLiteral("Móra")));
    EXPECT_TRUE(books.addPublisher(QStringLiteral("Európa")));
    EXPECT_EQ(db.scalar(QStringLiteral("select id from kiadok where kiado = 'Európa'")).toInt(), 8);
    EXPECT_TRUE(AuthorityLists(db, QStringLiteral("AV")).addPublisher(QStringLiteral("Móra")));
    EXPECT_EQ(books.findPublishers(QStringLiteral("ó")), QStringList({"Európa", "Móra"}));

    EXPECT_TRUE(books.addSubject(QStringLiteral("Szent István-i állam")));
    EXPECT_TRUE(books.addSubject(QStringLiteral("Ady's poems")));
    EXPECT_FALSE(books.addSubject(QStringLiteral("Ady's poems")));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from targyszo")).toInt(), 2);
    EXPECT_EQ(db.scalar(QStringLiteral("select doktipus from targyszo where id=1")).toString(), QStringLiteral("Könyv"));
}

class AuthorityWindowTest : public test::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        for (const auto& [id, name] : {std::pair{1, "Budapest : Móra"}, {2, "Szeged : Móra Ferenc Alapítvány"}, {3, "Európa"}})
            db.exec(QStringLiteral("insert into kiadok (id, doktipus, kiado) values (:id, 'Könyv', :k)"),
                    {{"id", id}, {"k", QString::fromUtf8(name)}});
        db.exec(QStringLiteral("insert into targyszo (id, targyszo) values (1, 'vers')"));
        window->session().librarianName = QStringLiteral("Kiss Anna");
        window->showGroupsForRights(QStringLiteral("10000"));
        w = open<Tkatkv>(cmd::CatBook);
        w->command("  Új")->click();
    }
    Tkatkv* w = nullptr;
};

TEST_F(AuthorityWindowTest, PublisherSearchCopiesOneMatchOrOffersTheChooser) {
    auto* kiadas = static_cast<QLineEdit*>(w->recordField("kiadas"));
    kiadas->setText(QStringLiteral("Eur"));
    w->command("Keres")->click();
    EXPECT_EQ(kiadas->text(), QStringLiteral("Európa"));
    EXPECT_TRUE(dialogs.shown.isEmpty());

    w->publisherPicker()->setEditText(QStringLiteral("Móra"));
    dialogs.choices = {1};
    QTest::keyClick(w->publisherPicker()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialogs.texts(QStringLiteral("choose")),
              QStringList({"Kiadók: Budapest : Móra, Szeged : Móra Ferenc Alapítvány"}));
    EXPECT_EQ(w->publisherPicker()->currentText(), QStringLiteral("Szeged : Móra Ferenc Alapítvány"));
    EXPECT_EQ(kiadas->text(), QStringLiteral("Európa"));

    w->publisherPicker()->setEditText(QStringLiteral("Kossuth"));
    w->command("Listára me&nt")->click();
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kiadok where kiado='Kossuth' and doktipus='Könyv'")).toInt(), 1);
    EXPECT_NE(w->publisherPicker()->findText(QStringLiteral("Kossuth")), -1);
}

TEST_F(AuthorityWindowTest, SubjectHelpersFillTheFieldAndTheList) {
    auto* tszo = static_cast<QLineEdit*>(w->recordField("tszo"));
    w->subjectPicker()->setEditText(QStringLiteral("vers"));
    w->command("Kiválaszt #")->click();
    EXPECT_EQ(tszo->text(), QStringLiteral("Vers"));
    w->command("Kiválaszt #")->click();
    EXPECT_EQ(tszo->text(), QStringLiteral("Vers#Vers"));
    w->subjectPicker()->setEditText(QStringLiteral("ifjúsági irodalom"));
    w->command("Kiválaszt -")->click();
    EXPECT_EQ(tszo->text(), QStringLiteral("Vers#Vers - Ifjúsági irodalom"));
    w->command("Tár&gyszólistára tesz")->click();
    w->command("Tár&gyszólistára tesz")->click();
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from targyszo where targyszo='ifjúsági irodalom'")).toInt(), 1);
}

TEST_F(AuthorityWindowTest, GridsOfTheListPagesStoreWithTheDocumentType) {
    w->pages()->setCurrentIndex(Tkatkv::SubjectsPublishers);
    settle();
    EXPECT_EQ(w->subjectGrid()->rowCount(), 1);
    EXPECT_EQ(w->publisherGrid()->rowCount(), 3);
    w->command("publisher.new")->click();
    w->publisherGrid()->item(3, 0)->setText(QStringLiteral("Helikon"));
    w->command("publisher.save")->click();
    EXPECT_EQ(db.scalar(QStringLiteral("select doktipus from kiadok where kiado='Helikon'")).toString(), QStringLiteral("Könyv"));
    EXPECT_EQ(db.scalar(QStringLiteral("select id from kiadok where kiado='Helikon'")).toInt(), 4);
    w->publisherListType()->setCurrentText(QStringLiteral("AV"));
    w->command("publisher.list")->click();
    EXPECT_EQ(w->publisherGrid()->rowCount(), 0);

    w->pages()->setCurrentIndex(Tkatkv::Statistics);
    settle();
    w->command("genre.new")->click();
    w->genreGrid()->item(0, 0)->setText(QStringLiteral("regény"));
    w->command("genre.save")->click();
    EXPECT_EQ(db.scalar(QStringLiteral("select doktipus from mufaj where mufaj='regény'")).toString(), QStringLiteral("Könyv"));

    db.exec(QStringLiteral("insert into szerzok (id, szerzo) values (1, 'Magyar Tudományos Akadémia')"));
    db.exec(QStringLiteral("insert into szerzok (id, szerzo) values (2, 'Németh László')"));
    w->authorInitial()->setText(QStringLiteral("M"));
    w->command("authors.list")->click();
    ASSERT_EQ(w->authorListGrid()->rowCount(), 1);
    w->toggleCorporate(0);
    EXPECT_EQ(db.scalar(QStringLiteral("select testuleti from szerzok where id=1")).toString(), QStringLiteral("i"));
    w->toggleCorporate(0);
    EXPECT_EQ(db.scalar(QStringLiteral("select testuleti from szerzok where id=1")).toString(), QString());
}

} // namespace
