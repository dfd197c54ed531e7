// Logging in through the real dialog, and changing the password.
#include "jelszo1.h"
#include "jelszo2.h"
#include "librarian_login.h"
#include "password_scramble.h"
#include "shell_fixture.h"

#include <QLineEdit>
#include <QtTest/QTest>

using namespace kodrix;

namespace {

class LoginTest : public test::ShellTest {
protected:
    void addLibrarian(int id, const QString& name, const QString& loginId, const QString& password,
                      const QString& rights) {
        db.exec(QStringLiteral("insert into kvtaros (id, nev, kod, jelszo, jogkod) values (:id, :nev, :kod, :j, :r)"),
                {{QStringLiteral("id"), id}, {QStringLiteral("nev"), name}, {QStringLiteral("kod"), loginId},
                 {QStringLiteral("j"), scramblePassword(loginId, password)}, {QStringLiteral("r"), rights}});
    }

    // Types into the login dialog and presses " OK"; true when the dialog closed.
    bool logIn(const QString& loginId, const QString& password) {
        Tjelszo1* dialog = open<Tjelszo1>(cmd::Login);
        EXPECT_TRUE(dialog);
        QPointer<Tjelszo1> alive = dialog;
        typeText(dialog->loginIdField(), loginId);
        typeText(dialog->passwordField(), password);
        QTest::mouseClick(button(dialog, QStringLiteral(" OK")), Qt::LeftButton);
        settle();
        return alive.isNull();
    }
};

TEST_F(LoginTest, RightsStringDecidesTheGroupsShown) {
    addLibrarian(1, QStringLiteral("Kiss Anna"), QStringLiteral("kissa"), QStringLiteral("titkos1"), QStringLiteral("10100"));
    addLibrarian(2, QStringLiteral("Nagy Béla"), QStringLiteral("nagyb"), QStringLiteral("másiktitok"), QStringLiteral("11111"));
    addLibrarian(3, QStringLiteral("Tóth Éva"), QStringLiteral("totheva"), QStringLiteral("harmadik"), QStringLiteral("01"));

    const struct {
        const char* id;
        const char* password;
        QStringList groups;
    } cases[] = {
        {"kissa", "titkos1", {"Kodrix", "Keresés", "Katalogizálás", "Olvasószolgálat", "Egyéb", "Névjegy"}},
        {"nagyb", "másiktitok", {"Kodrix", "Keresés", "Katalogizálás", "Folyóirat", "Olvasószolgálat",
                                 "Leltárkönyv", "Karbantartás", "Egyéb", "Névjegy"}},
        {"totheva", "harmadik", {"Kodrix", "Keresés", "Folyóirat", "Egyéb", "Névjegy"}},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(logIn(QString::fromUtf8(c.id), QString::fromUtf8(c.password)));
        EXPECT_EQ(visibleGroups(), c.groups) << c.id;
        EXPECT_EQ(window->session().librarianId, QString::fromUtf8(c.id));
        window->logout();
    }
    EXPECT_EQ(window->session().librarianName, QStringLiteral("Tóth Éva"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(LoginTest, WrongPasswordOrIdIsRefusedAndHidesEveryGroup) {
    addLibrarian(1, QStringLiteral("Kiss Anna"), QStringLiteral("kissa"), QStringLiteral("titkos1"), QStringLiteral("11111"));
    ASSERT_TRUE(logIn(QStringLiteral("kissa"), QStringLiteral("titkos1")));
    for (const auto& [id, pw] : {std::pair{"kissa", "Titkos1"}, {"KISSA", "titkos1"}, {"kissa", "titkos1'--"}}) {
        dialogs.clear();
        EXPECT_TRUE(logIn(QString::fromUtf8(id), QString::fromUtf8(pw)));
        EXPECT_EQ(dialogs.texts(), QStringList({LibrarianLogin::kInvalidLogin})) << id << " " << pw;
        EXPECT_EQ(visibleGroups(), QStringList({"Kodrix", "Keresés", "Névjegy"}));
    }
    // The librarian of the last good login stays.
    EXPECT_EQ(window->session().librarianName, QStringLiteral("Kiss Anna"));
}

TEST_F(LoginTest, WithNoAccountsOnlyMaintenanceOpensAndTheDialogStays) {
    EXPECT_FALSE(logIn(QStringLiteral("akárki"), QStringLiteral("akármi")));
    EXPECT_EQ(visibleGroups(), QStringList({"Kodrix", "Keresés", "Karbantartás", "Névjegy"}));
    EXPECT_EQ(openWindows<Tjelszo1>().size(), 1);
    EXPECT_TRUE(window->session().librarianName.isEmpty());
    EXPECT_TRUE(window->action(cmd::Librarians)->isEnabled());
}

TEST_F(LoginTest, ShortPasswordLogsInWithAWarningAndTwelveCharactersCanBeTyped) {
    addLibrarian(1, QStringLiteral("Kiss Anna"), QStringLiteral("kissa"), QStringLiteral("hatos6"), QStringLiteral("1"));
    addLibrarian(2, QStringLiteral("Nagy Béla"), QStringLiteral("nagyb"), QStringLiteral("hetes77"), QStringLiteral("1"));
    addLibrarian(3, QStringLiteral("Hosszú Ödön"), QStringLiteral("hosszu"), QStringLiteral("tizenkettő12"), QStringLiteral("1"));
    EXPECT_TRUE(logIn(QStringLiteral("kissa"), QStringLiteral("hatos6")));
    EXPECT_EQ(window->statusText(), LibrarianLogin::kWeakPassword);
    window->setStatusText(QString());
    EXPECT_TRUE(logIn(QStringLiteral("nagyb"), QStringLiteral("hetes77")));
    EXPECT_TRUE(window->statusText().isEmpty());
    EXPECT_TRUE(logIn(QStringLiteral("hosszu"), QStringLiteral("tizenkettő12")));
    EXPECT_EQ(window->session().librarianName, QStringLiteral("Hosszú Ödön"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

class PasswordChangeTest : public LoginTest {
protected:
    void SetUp() override {
        LoginTest::SetUp();
        addLibrarian(1, QStringLiteral("Kiss Anna"), QStringLiteral("kissa"), QStringLiteral("régijelszó"), QStringLiteral("11111"));
        ASSERT_TRUE(logIn(QStringLiteral("kissa"), QStringLiteral("régijelszó")));
    }
    QString stored() { return db.scalar(QStringLiteral("select jelszo from kvtaros where id = 1")).toString(); }

    // Fills the change dialog and presses OK; true when the dialog closed.
    bool change(const QString& old, const QString& fresh, const QString& repeated) {
        Tjelszo2* dialog = open<Tjelszo2>(cmd::PasswordChange);
        QPointer<Tjelszo2> alive = dialog;
        typeText(dialog->oldField(), old);
        typeText(dialog->newField(), fresh);
        typeText(dialog->repeatField(), repeated);
        QTest::mouseClick(button(dialog, QStringLiteral("OK")), Qt::LeftButton);
        settle();
        const bool closed = alive.isNull();
        if (alive) alive->close();
        settle();
        return closed;
    }
};

TEST_F(PasswordChangeTest, ChecksInOrderAndStoresNothingOnFailure) {
    const QString differ = QStringLiteral("Érvénytelen jelszó!\nA két jelszó nem egyezik");
    const QString tooShort = QStringLiteral("Érvénytelen jelszó!\nA jelszónak legalább 5 karakter hosszúnak kell lennie!");
    const QString isId = QStringLiteral("Érvénytelen jelszó!\nA jelszó nem egyezhet meg az azonosítójával!");
    const QString before = stored();
    const struct {
        const char* old;
        const char* fresh;
        const char* repeated;
        QStringList messages;
    } cases[] = {
        {"régijelszó", "újjelszó1", "újjelszó2", {differ, LibrarianLogin::kChangeFailed}},
        {"régijelszó", "abcd", "abcd", {tooShort, LibrarianLogin::kChangeFailed}},
        {"régijelszó", "abc", "abcd", {differ, tooShort, LibrarianLogin::kChangeFailed}},
        {"régijelszó", "kissa", "kissa", {isId, LibrarianLogin::kChangeFailed}},
        {"rossz", "újjelszó1", "újjelszó1", {LibrarianLogin::kWrongOldPassword}},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        change(QString::fromUtf8(c.old), QString::fromUtf8(c.fresh), QString::fromUtf8(c.repeated));
        EXPECT_EQ(dialogs.texts(), c.messages) << c.fresh;
        EXPECT_EQ(stored(), before);
    }
}

TEST_F(PasswordChangeTest, NewPasswordIsStoredAndAcceptedAtTheNextLogin) {
    window->setStatusText(QStringLiteral("régi üzenet"));
    Tjelszo2* dialog = open<Tjelszo2>(cmd::PasswordChange);
    EXPECT_TRUE(window->statusText().isEmpty());
    dialog->close();
    settle();

    EXPECT_TRUE(change(QStringLiteral("régijelszó"), QStringLiteral("Új'jelszó12"), QStringLiteral("Új'jelszó12")));
    EXPECT_EQ(window->statusText(), LibrarianLogin::kPasswordChanged);
    EXPECT_EQ(stored(), scramblePassword(QStringLiteral("kissa"), QStringLiteral("Új'jelszó12")));
    window->logout();
    EXPECT_TRUE(logIn(QStringLiteral("kissa"), QStringLiteral("Új'jelszó12")));
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(visibleGroups().contains(QStringLiteral("Karbantartás")));
}

} // namespace
