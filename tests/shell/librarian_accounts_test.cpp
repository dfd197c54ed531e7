// The librarian accounts window: browsing, saving with its checks, deleting, searching.
#include "jelszo1.h"
#include "konyvtaros.h"
#include "librarian_login.h"
#include "password_scramble.h"
#include "shell_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest/QTest>

using namespace kodrix;

namespace {

class LibrarianAccountsTest : public test::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // Inserted out of order: the window lists them in Hungarian alphabetical order.
        add(1, QStringLiteral("Csaba Dóra"), QStringLiteral("csabad"), QStringLiteral("01010"));
        add(2, QStringLiteral("Cukor Ede"), QStringLiteral("cukore"), QStringLiteral("11111"));
        add(3, QStringLiteral("Ábel Anna"), QStringLiteral("abela"), QStringLiteral("10000"));
        db.exec(QStringLiteral("update kvtaros set beoszt = 'könyvtáros', cim = 'Fő utca 1.', "
                               "tel = '123', email = 'cukor@example.org', kat = true where id = 2"));
    }
    void add(int id, const QString& name, const QString& loginId, const QString& rights) {
        db.exec(QStringLiteral("insert into kvtaros (id, nev, kod, jelszo, jogkod) values (:id, :n, :k, :j, :r)"),
                {{QStringLiteral("id"), id}, {QStringLiteral("n"), name}, {QStringLiteral("k"), loginId},
                 {QStringLiteral("j"), scramblePassword(loginId, QStringLiteral("jelszo") + QString::number(id))},
                 {QStringLiteral("r"), rights}});
    }
    db::Row stored(int id) {
        return *db.selectFirst(QStringLiteral("select * from kvtaros where id = :id"), {{QStringLiteral("id"), id}});
    }
    QString rightsShown(Tkonyvtaros* w) {
        QString s;
        for (int i = 0; i < 5; ++i) s += w->rightBox(i)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
    void click(Tkonyvtaros* w, const QString& caption) {
        QPushButton* b = button(w, caption);
        ASSERT_TRUE(b) << caption.toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    void retype(QLineEdit* field, const QString& text) {
        field->clear();
        typeText(field, text);
    }
};

TEST_F(LibrarianAccountsTest, ListIsInHungarianOrderAndNavigationShowsEachRow) {
    Tkonyvtaros* w = open<Tkonyvtaros>(cmd::Librarians);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Könyvtárosok adatai"));
    QStringList names;
    QStringList rights;
    EXPECT_FALSE(w->previousButton()->isEnabled());
    for (int i = 0; i < 3; ++i) {
        names.append(w->nameField()->text());
        rights.append(rightsShown(w));
        if (i < 2) QTest::mouseClick(w->nextButton(), Qt::LeftButton);
    }
    EXPECT_EQ(names, QStringList({"Ábel Anna", "Cukor Ede", "Csaba Dóra"}));
    EXPECT_EQ(rights, QStringList({"10000", "11111", "01010"}));
    EXPECT_FALSE(w->nextButton()->isEnabled());
    EXPECT_TRUE(w->previousButton()->isEnabled());
    EXPECT_EQ(w->previousButton()->toolTip(), QStringLiteral("Előző"));
    EXPECT_EQ(w->nextButton()->toolTip(), QStringLiteral("Következő"));
}

TEST_F(LibrarianAccountsTest, SavingWithEmptyPasswordEntriesKeepsThePasswordAndTheOtherColumns) {
    Tkonyvtaros* w = open<Tkonyvtaros>(cmd::Librarians);
    QTest::mouseClick(w->nextButton(), Qt::LeftButton);  // Cukor Ede
    const QString password = stored(2).text(QStringLiteral("jelszo"));
    w->rightBox(4)->setChecked(false);
    retype(w->nameField(), QStringLiteral("Cukor Ede Béla"));
    click(w, QStringLiteral(" Mentés"));
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.texts().join(' ').toStdString();
    const db::Row row = stored(2);
    EXPECT_EQ(row.text(QStringLiteral("jelszo")), password);
    EXPECT_EQ(row.text(QStringLiteral("jogkod")), QStringLiteral("11110"));
    EXPECT_EQ(row.text(QStringLiteral("nev")), QStringLiteral("Cukor Ede Béla"));
    EXPECT_EQ(row.text(QStringLiteral("beoszt")), QStringLiteral("könyvtáros"));
    EXPECT_EQ(row.text(QStringLiteral("cim")), QStringLiteral("Fő utca 1."));
    EXPECT_EQ(row.text(QStringLiteral("tel")), QStringLiteral("123"));
    EXPECT_EQ(row.text(QStringLiteral("email")), QStringLiteral("cukor@example.org"));
    EXPECT_TRUE(row.toBool(QStringLiteral("kat")));
    EXPECT_FALSE(w->saveButton()->isEnabled());
}

TEST_F(LibrarianAccountsTest, NewLibrarianNeedsMatchingPasswordsAndThenLogsIn) {
    Tkonyvtaros* w = open<Tkonyvtaros>(cmd::Librarians);
    click(w, QStringLiteral(" Új adat"));
    EXPECT_TRUE(w->nameField()->text().isEmpty());
    EXPECT_EQ(rightsShown(w), QStringLiteral("00000"));
    typeText(w->nameField(), QStringLiteral("Új Ödön"));
    typeText(w->loginIdField(), QStringLiteral("ujodon"));
    click(w, QStringLiteral(" Mentés"));
    EXPECT_EQ(dialogs.texts(), QStringList({"Kötelező jelszót adni!"}));

    dialogs.clear();
    typeText(w->passwordField(), QStringLiteral("tizenkét_kar"));
    typeText(w->repeatField(), QStringLiteral("tizenkét_kax"));
    click(w, QStringLiteral(" Mentés"));
    EXPECT_EQ(dialogs.texts(), QStringList({"A két jelszó nem egyezik!"}));

    dialogs.clear();
    retype(w->repeatField(), QStringLiteral("tizenkét_kar"));
    w->allBox()->click();
    EXPECT_EQ(rightsShown(w), QStringLiteral("11111"));
    w->rightBox(1)->setChecked(false);
    click(w, QStringLiteral(" Mentés"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
    const db::Row row = stored(4);
    EXPECT_EQ(row.text(QStringLiteral("kod")), QStringLiteral("ujodon"));
    EXPECT_EQ(row.text(QStringLiteral("jogkod")), QStringLiteral("10111"));
    EXPECT_EQ(row.text(QStringLiteral("jelszo")), scramblePassword(QStringLiteral("ujodon"), QStringLiteral("tizenkét_kar")));
    // The entries are emptied after the save, so nothing typed carries over to another row.
    EXPECT_TRUE(w->passwordField()->text().isEmpty());
    EXPECT_TRUE(w->repeatField()->text().isEmpty());

    Tjelszo1* login = open<Tjelszo1>(cmd::Login);
    typeText(login->loginIdField(), QStringLiteral("ujodon"));
    typeText(login->passwordField(), QStringLiteral("tizenkét_kar"));
    login->accept();
    EXPECT_EQ(window->session().librarianName, QStringLiteral("Új Ödön"));
}

TEST_F(LibrarianAccountsTest, OnlyAnotherLibrariansIdIsADuplicate) {
    Tkonyvtaros* w = open<Tkonyvtaros>(cmd::Librarians);  // Ábel Anna, abela
    w->checkLoginId();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(w->saveButton()->isEnabled());

    retype(w->loginIdField(), QStringLiteral("cukore"));
    w->checkLoginId();
    EXPECT_EQ(dialogs.texts(), QStringList({LibrarianAccounts::kDuplicateId}));
    EXPECT_FALSE(w->saveButton()->isEnabled());
    // Even a save that reaches the logic refuses it.
    dialogs.clear();
    w->saveRow();
    EXPECT_EQ(dialogs.texts(), QStringList({LibrarianAccounts::kDuplicateId}));
    EXPECT_EQ(stored(3).text(QStringLiteral("kod")), QStringLiteral("abela"));

    // A new ID of one's own needs a new password: the stored one is keyed by the old ID.
    dialogs.clear();
    retype(w->loginIdField(), QStringLiteral("abelanna"));
    w->checkLoginId();
    EXPECT_TRUE(w->saveButton()->isEnabled());
    w->saveRow();
    EXPECT_EQ(dialogs.texts(), QStringList({"Kötelező jelszót adni!"}));
    dialogs.clear();
    typeText(w->passwordField(), QStringLiteral("újtitok1"));
    typeText(w->repeatField(), QStringLiteral("újtitok1"));
    w->saveRow();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(stored(3).text(QStringLiteral("jelszo")), scramblePassword(QStringLiteral("abelanna"), QStringLiteral("újtitok1")));
}

TEST_F(LibrarianAccountsTest, PasswordEntriesAreEmptiedWhenAnotherRowIsShown) {
    Tkonyvtaros* w = open<Tkonyvtaros>(cmd::Librarians);
    typeText(w->passwordField(), QStringLiteral("Annaé"));
    typeText(w->repeatField(), QStringLiteral("Annaé"));
    QTest::mouseClick(w->nextButton(), Qt::LeftButton);
    EXPECT_TRUE(w->passwordField()->text().isEmpty());
    EXPECT_TRUE(w->repeatField()->text().isEmpty());
    const QString before = stored(2).text(QStringLiteral("jelszo"));
    w->saveRow();
    EXPECT_EQ(stored(2).text(QStringLiteral("jelszo")), before);
}

TEST_F(LibrarianAccountsTest, SearchFindsByCaseSensitivePrefixAndEnterRunsIt) {
    Tkonyvtaros* w = open<Tkonyvtaros>(cmd::Librarians);
    typeText(w->searchField(), QStringLiteral("C"));
    QTest::keyClick(w->searchField(), Qt::Key_Return);
    EXPECT_EQ(w->nameField()->text(), QStringLiteral("Cukor Ede"));
    EXPECT_EQ(w->accounts().count(), 2);
    QTest::mouseClick(w->nextButton(), Qt::LeftButton);
    EXPECT_EQ(w->nameField()->text(), QStringLiteral("Csaba Dóra"));
    EXPECT_FALSE(w->nextButton()->isEnabled());

    retype(w->searchField(), QStringLiteral("cukor"));
    click(w, QStringLiteral(" Keresés"));
    EXPECT_EQ(dialogs.texts(), QStringList({LibrarianAccounts::kNotFound}));
    EXPECT_EQ(w->accounts().count(), 2);
    dialogs.clear();
    retype(w->searchField(), QStringLiteral("O'Brien"));
    click(w, QStringLiteral(" Keresés"));
    EXPECT_EQ(dialogs.texts(), QStringList({LibrarianAccounts::kNotFound}));
}

TEST_F(LibrarianAccountsTest, DeleteAsksFirstAndRemovesOnlyOnIgen) {
    Tkonyvtaros* w = open<Tkonyvtaros>(cmd::Librarians);
    dialogs.answers = {Dialogs::Answer::No};
    click(w, QStringLiteral(" Törlés"));
    EXPECT_EQ(dialogs.texts(QStringLiteral("confirmDelete")), QStringList({"Biztosan törölni kívánja?"}));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kvtaros")).toInt(), 3);
    dialogs.answers = {Dialogs::Answer::Yes};
    click(w, QStringLiteral(" Törlés"));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kvtaros where id = 3")).toInt(), 0);
    EXPECT_EQ(w->nameField()->text(), QStringLiteral("Cukor Ede"));
    // A new librarian never inherits the deleted one's key.
    EXPECT_EQ(db.nextId(QStringLiteral("kvtaros")), 4);
}

} // namespace
