// The reader status lists: four pages, each keyed by the next-id rule of its own table.
#include "list_grid.h"
#include "olvstatus.h"
#include "shell_fixture.h"

#include <QTabWidget>

using namespace kodrix;

namespace {

class ReaderStatusTest : public test::ShellTest {
protected:
    Tolvstatus* openWindow() {
        window->showGroupsForRights(QStringLiteral("11111"));
        return open<Tolvstatus>(cmd::ReaderStatuses);
    }
};

TEST_F(ReaderStatusTest, PagesAndCaptions) {
    Tolvstatus* w = openWindow();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Olvasói státuszok beállítása"));
    QStringList tabs;
    for (int i = 0; i < w->pages()->count(); ++i) tabs.append(w->pages()->tabText(i));
    EXPECT_EQ(tabs, QStringList({"&Olvasói kategóriák", "&Foglalkozások", "&Munkahelyek", "Irányítószámok"}));
    QStringList captions;
    for (int c = 0; c < w->grid(0)->columnCount(); ++c) captions.append(w->grid(0)->horizontalHeaderItem(c)->text());
    EXPECT_EQ(captions, QStringList({"Kategória megnevezése", "Kölcs. dok száma", "Tagdíj", "Felsz. kap?"}));
    EXPECT_EQ(w->grid(2)->horizontalHeaderItem(0)->text(), QStringLiteral("Nunkahely / Iskola"));
}

TEST_F(ReaderStatusTest, FirstCategoryGetsKeyOneAndTheNextTwo) {
    Tolvstatus* w = openWindow();
    for (const char* name : {"Diák", "Felnőtt"}) {
        w->addRow(0);
        ListGrid* g = w->grid(0);
        const int row = g->rowCount() - 1;
        g->item(row, 0)->setText(QString::fromUtf8(name));
        g->item(row, 1)->setText(QStringLiteral("5"));
        g->item(row, 3)->setText(QStringLiteral("i"));
        QTest::mouseClick(button(g->parentWidget(), QStringLiteral("Mentés")), Qt::LeftButton);
    }
    const db::Rows rows = db.select(QStringLiteral("select id, katnev, kolcsdok, tagdij, fkap from olvkat order by id"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].toInt(QStringLiteral("id")), 1);
    EXPECT_EQ(rows[0].text(QStringLiteral("katnev")), QStringLiteral("Diák"));
    EXPECT_EQ(rows[0].toInt(QStringLiteral("kolcsdok")), 5);
    EXPECT_TRUE(rows[0].isNull(QStringLiteral("tagdij")));
    EXPECT_EQ(rows[1].toInt(QStringLiteral("id")), 2);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(ReaderStatusTest, NewRowOnOnePageAndSaveOnAnotherLeavesTheOtherPagesRows) {
    db.exec(QStringLiteral("insert into foglalk (id, foglalk) values (4, 'Tanuló')"));
    db.exec(QStringLiteral("insert into foglalk (id, foglalk) values (9, 'Nyugdíjas')"));
    Tolvstatus* w = openWindow();
    w->addRow(0);
    w->grid(0)->item(0, 0)->setText(QStringLiteral("Pedagógus"));
    ListGrid* jobs = w->grid(1);
    jobs->item(1, 0)->setText(QStringLiteral("Tanuló (általános iskola)"));  // sorted: Nyugdíjas, Tanuló
    w->saveRows(1);
    const db::Rows rows = db.select(QStringLiteral("select id, foglalk from foglalk order by id"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].toInt(QStringLiteral("id")), 4);
    EXPECT_EQ(rows[0].text(QStringLiteral("foglalk")), QStringLiteral("Tanuló (általános iskola)"));
    EXPECT_EQ(rows[1].toInt(QStringLiteral("id")), 9);
    // The category typed on the first page waits for its own page's save.
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from olvkat")).toInt(), 0);
    w->saveRows(0);
    EXPECT_EQ(db.scalar(QStringLiteral("select id from olvkat")).toInt(), 1);
}

TEST_F(ReaderStatusTest, DeleteIsImmediateAndBadNumbersAreRefused) {
    db.exec(QStringLiteral("insert into munkahely (id, munkahely) values (1, 'Városi Könyvtár')"));
    Tolvstatus* w = openWindow();
    w->grid(2)->setCurrentCell(0, 0);
    w->deleteRow(2);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from munkahely")).toInt(), 0);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    w->addRow(0);
    w->grid(0)->item(0, 0)->setText(QStringLiteral("Diák"));
    w->grid(0)->item(0, 1)->setText(QStringLiteral("öt"));
    w->saveRows(0);
    ASSERT_EQ(dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(dialogs.texts().first().contains(QStringLiteral("Kölcs. dok száma")));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from olvkat")).toInt(), 0);
}

} // namespace
