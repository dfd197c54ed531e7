// The main window: its menu, the groups shown by login state, and windows opened fresh.
#include "shell_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

using namespace kodrix;

namespace {

using MainWindowTest = test::ShellTest;

TEST_F(MainWindowTest, MenuHasEveryGroupAndCommandInOrder) {
    const QList<QPair<QString, QStringList>> expected = {
        {"&Kodrix", {"&Bejelentkezés", "&Kijelentkezés", "K&ilépés"}},
        {"K&eresés", {"&Könyv,AV,Mmédia,Hangzó,Szakd. ", "&Régi könyv", "&Folyóirat, cikk"}},
        {"K&atalogizálás",
         {"&Könyv", "&AV (video film)", "&Multimédia", "&Hangzó (zene, hangoskönyv)", "&Szakdolgozat",
          "&E-könyv", "&Periodika", "-", "&Régi könyv", "-", "É&vfordulók és helyi rendeletek", "-",
          "K&iadások nyilvántartása"}},
        {"&Folyóirat", {"&Folyóirat, cikk"}},
        {"&Olvasószolgálat", {"&Beiratkozás, kölcsönzés", "&Könyvtárközi kölcsönzés"}},
        {"&Leltárkönyv",
         {"&Leltárkönyv", "&Csoportos leltárkönyvek", "-", "&Selejtjegyzék", "&Állományellenőrzés", "-",
          "S&tatisztika"}},
        {"Ka&rbantartás", {"&Könyvtár adatai", "Könyvtár&osok", "O&lvasói státuszok"}},
        {"E&gyéb", {"&Látogatók, programok", "&Desideráta katalógus", "&Funkcióbillentyűk", "&Jelszó módosítás"}},
        {"&Névjegy", {"&Súgó", "&Névjegy"}},
    };
    const QList<QAction*> groups = window->menuBar()->actions();
    ASSERT_EQ(groups.size(), expected.size());
    for (int g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(groups.at(g)->text(), expected.at(g).first);
        QStringList entries;
        for (QAction* a : groups.at(g)->menu()->actions())
            entries.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        EXPECT_EQ(entries, expected.at(g).second) << expected.at(g).first.toStdString();
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kodrix egyfelhasználós integrált könyvtári program"));
}

TEST_F(MainWindowTest, AcceleratorsAreUniqueWithinEachMenu) {
    const auto letterOf = [](const QString& caption) {
        const int i = caption.indexOf(QLatin1Char('&'));
        return i < 0 ? QChar() : caption.at(i + 1).toLower();
    };
    QSet<QChar> top;
    for (QAction* g : window->menuBar()->actions()) {
        EXPECT_FALSE(top.contains(letterOf(g->text()))) << g->text().toStdString();
        top.insert(letterOf(g->text()));
        QSet<QChar> inside;
        for (QAction* a : g->menu()->actions()) {
            if (a->isSeparator()) continue;
            const QChar c = letterOf(a->text());
            EXPECT_FALSE(c.isNull() || inside.contains(c)) << a->text().toStdString();
            inside.insert(c);
        }
    }
}

TEST_F(MainWindowTest, StartShowsOnlyTheMenusOpenToReaders) {
    EXPECT_EQ(visibleGroups(), QStringList({"Kodrix", "Keresés", "Névjegy"}));
    EXPECT_FALSE(window->session().loggedIn);
    EXPECT_TRUE(window->session().librarianName.isEmpty());
}

TEST_F(MainWindowTest, RightsStringDecidesTheGroupsAndLogoutHidesThemKeepingTheLibrarian) {
    const struct {
        const char* rights;
        QStringList visible;
    } cases[] = {
        {"10100", {"Kodrix", "Keresés", "Katalogizálás", "Olvasószolgálat", "Egyéb", "Névjegy"}},
        {"11111", {"Kodrix", "Keresés", "Katalogizálás", "Folyóirat", "Olvasószolgálat", "Leltárkönyv",
                   "Karbantartás", "Egyéb", "Névjegy"}},
        {"1", {"Kodrix", "Keresés", "Katalogizálás", "Egyéb", "Névjegy"}},
        {"0x2y1", {"Kodrix", "Keresés", "Karbantartás", "Egyéb", "Névjegy"}},
        {"", {"Kodrix", "Keresés", "Egyéb", "Névjegy"}},
    };
    for (const auto& c : cases) {
        window->showGroupsForRights(QString::fromUtf8(c.rights));
        EXPECT_EQ(visibleGroups(), c.visible) << c.rights;
    }
    window->session().librarianName = QStringLiteral("Kiss Anna");
    window->session().librarianId = QStringLiteral("kissa");
    window->action(cmd::Logout)->trigger();
    EXPECT_EQ(visibleGroups(), QStringList({"Kodrix", "Keresés", "Névjegy"}));
    EXPECT_FALSE(window->session().loggedIn);
    EXPECT_EQ(window->session().librarianName, QStringLiteral("Kiss Anna"));
    EXPECT_EQ(window->session().librarianId, QStringLiteral("kissa"));

    window->showMaintenanceOnly();
    EXPECT_EQ(visibleGroups(), QStringList({"Kodrix", "Keresés", "Karbantartás", "Névjegy"}));
}

TEST_F(MainWindowTest, AboutOpensAFreshInstanceEachTimeThatFreesItselfWhenClosed) {
    QAction* about = window->action(cmd::About);
    ASSERT_TRUE(about->isEnabled());
    about->trigger();
    about->trigger();
    settle();
    const QList<QMdiSubWindow*> open = window->workArea()->subWindowList();
    ASSERT_EQ(open.size(), 2);
    QWidget* first = open.at(0)->widget();
    QWidget* second = open.at(1)->widget();
    EXPECT_NE(first, second);
    EXPECT_EQ(window->session().windows.value(cmd::About), second);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Névjegy"));
    const QLabel* database = second->findChild<QLabel*>(QStringLiteral("database"));
    ASSERT_TRUE(database);
    EXPECT_TRUE(database->text().contains(dbFile));
    EXPECT_TRUE(second->findChild<QLabel*>(QStringLiteral("version"))->text().contains(QStringLiteral(KODRIX_VERSION)));

    QPointer<QWidget> gone = first;
    first->close();
    settle();
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(window->workArea()->subWindowList().size(), 1);
    // Closing the frame frees the window as well.
    QPointer<QWidget> alsoGone = second;
    window->workArea()->subWindowList().first()->close();
    settle();
    EXPECT_TRUE(alsoGone.isNull());
    EXPECT_TRUE(window->workArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowTest, CommandsWithoutTheirModuleAreDisabled) {
    for (const QString& id : {cmd::Desiderata, cmd::Help, cmd::Circulation, cmd::InventoryBook})
        EXPECT_FALSE(window->action(id)->isEnabled()) << id.toStdString();
    for (const QString& id : {cmd::Logout, cmd::Quit, cmd::About, cmd::Login, cmd::Librarians, cmd::PasswordChange})
        EXPECT_TRUE(window->action(id)->isEnabled()) << id.toStdString();
}

TEST_F(MainWindowTest, CataloguingCommandsSetTheDocumentTypeBeforeTheWindowOpens) {
    QStringList seen;
    const auto factory = [&seen](AppContext& ctx) -> QWidget* {
        seen.append(ctx.session.documentType);
        return new QWidget;
    };
    window->setWindowFactory(cmd::CatThesis, factory);
    window->setWindowFactory(cmd::CatBook, factory);
    window->action(cmd::CatThesis)->trigger();
    window->action(cmd::CatBook)->trigger();
    window->action(cmd::CatBook)->trigger();
    EXPECT_EQ(seen, QStringList({"Szakdolgozat", "Könyv", "Könyv"}));
    EXPECT_EQ(window->session().documentType, QStringLiteral("Könyv"));
    EXPECT_EQ(window->workArea()->subWindowList().size(), 3);
}

TEST_F(MainWindowTest, FailingWindowShowsTheErrorAndOpensNothing) {
    window->setWindowFactory(cmd::Visitors, [](AppContext& ctx) -> QWidget* {
        ctx.db.select(QStringLiteral("select * from nincs_ilyen_tabla"));
        return new QWidget;
    });
    window->trigger(cmd::Visitors);
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(window->workArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowTest, StatusBarAndQuit) {
    window->setStatusText(QStringLiteral("A jelszavát sikeresen megváltoztatta."));
    EXPECT_EQ(window->statusText(), QStringLiteral("A jelszavát sikeresen megváltoztatta."));
    window->action(cmd::Quit)->trigger();
    EXPECT_FALSE(window->isVisible());
}

} // namespace
