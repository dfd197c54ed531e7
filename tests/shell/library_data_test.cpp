// The library data window: the settings row, the codes and the locations.
#include "konyvtar.h"
#include "list_grid.h"
#include "shell_fixture.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

using namespace kodrix;

namespace {

class LibraryDataTest : public test::ShellTest {
protected:
    Tkonyvtar* openWindow() {
        window->showGroupsForRights(QStringLiteral("11111"));
        return open<Tkonyvtar>(cmd::LibraryData);
    }
    int rows(const char* table) {
        return db.scalar(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))).toInt();
    }
    static void edit(ListGrid* grid, int row, int column, const QString& text) {
        grid->item(row, column)->setText(text);
    }
};

TEST_F(LibraryDataTest, SaveCreatesRowOneThenUpdatesOnlyItsEightColumns) {
    Tkonyvtar* w = openWindow();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("A könyvtár adatai"));
    EXPECT_EQ(w->yearField()->value(), 2024);
    w->field(QStringLiteral("kvtnev"))->setText(QStringLiteral("Petőfi Sándor Általános Iskola könyvtára"));
    w->field(QStringLiteral("kvtkod"))->setText(QStringLiteral("PSAI"));
    w->field(QStringLiteral("kolcsdatum"))->setText(QStringLiteral("2024.06.14"));
    w->field(QStringLiteral("kesdij"))->setText(QStringLiteral("20,5"));
    w->field(QStringLiteral("pnem"))->setText(QStringLiteral("Ft"));
    w->perNoticeButton()->setChecked(true);
    QTest::mouseClick(w->saveButton(), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.texts().join(' ').toStdString();
    auto row = db.selectFirst(QStringLiteral("select * from konyvtar"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->toInt(QStringLiteral("id")), 1);
    EXPECT_EQ(row->text(QStringLiteral("kvtkod")), QStringLiteral("PSAI"));
    EXPECT_EQ(row->date(QStringLiteral("kolcsdatum")), QDate(2024, 6, 14));
    EXPECT_EQ(row->text(QStringLiteral("kes")), QStringLiteral("f"));
    EXPECT_DOUBLE_EQ(row->toDouble(QStringLiteral("kesdij")), 20.5);

    // Locked for three seconds: a second click does nothing.
    EXPECT_FALSE(w->saveButton()->isEnabled());
    db.exec(QStringLiteral("update konyvtar set felsz1 = 'Első felszólító', smtphost = 'smtp.example.org', "
                           "smtpport = 587"));
    w->field(QStringLiteral("kvtkod"))->setText(QStringLiteral("PSAI2"));
    QTest::mouseClick(w->saveButton(), Qt::LeftButton);
    EXPECT_EQ(db.scalar(QStringLiteral("select kvtkod from konyvtar")).toString(), QStringLiteral("PSAI"));
    QTRY_VERIFY_WITH_TIMEOUT(w->saveButton()->isEnabled(), 4000);
    w->perDayButton()->setChecked(true);
    QTest::mouseClick(w->saveButton(), Qt::LeftButton);
    EXPECT_EQ(rows("konyvtar"), 1);
    row = db.selectFirst(QStringLiteral("select * from konyvtar"));
    EXPECT_EQ(row->text(QStringLiteral("kvtkod")), QStringLiteral("PSAI2"));
    EXPECT_EQ(row->text(QStringLiteral("kes")), QStringLiteral("n"));
    EXPECT_EQ(row->text(QStringLiteral("felsz1")), QStringLiteral("Első felszólító"));
    EXPECT_EQ(row->text(QStringLiteral("smtphost")), QStringLiteral("smtp.example.org"));
    EXPECT_EQ(row->toInt(QStringLiteral("smtpport")), 587);

    // A fresh window shows what was stored.
    Tkonyvtar* again = openWindow();
    EXPECT_EQ(again->field(QStringLiteral("kvtnev"))->text(), QStringLiteral("Petőfi Sándor Általános Iskola könyvtára"));
    EXPECT_EQ(again->field(QStringLiteral("kolcsdatum"))->text(), QStringLiteral("2024.06.14"));
    EXPECT_EQ(again->field(QStringLiteral("kesdij"))->text(), QStringLiteral("20.5"));
    EXPECT_TRUE(again->perDayButton()->isChecked());
}

TEST_F(LibraryDataTest, BadDateOrAmountIsRefusedAndNothingStored) {
    Tkonyvtar* w = openWindow();
    w->field(QStringLiteral("kolcsdatum"))->setText(QStringLiteral("június 14"));
    QTest::mouseClick(w->saveButton(), Qt::LeftButton);
    w->field(QStringLiteral("kolcsdatum"))->clear();
    w->field(QStringLiteral("kesdij"))->setText(QStringLiteral("húsz"));
    QTest::mouseClick(w->saveButton(), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts().size(), 2);
    EXPECT_TRUE(dialogs.texts().at(0).startsWith(QStringLiteral("Hibás dátum")));
    EXPECT_TRUE(dialogs.texts().at(1).startsWith(QStringLiteral("Hibás összeg")));
    EXPECT_EQ(rows("konyvtar"), 0);
    EXPECT_TRUE(w->saveButton()->isEnabled());
}

TEST_F(LibraryDataTest, CodesAndLocationsAreTypedSavedAndDeleted) {
    Tkonyvtar* w = openWindow();
    ListGrid* codes = w->codesGrid();
    QTest::mouseClick(button(codes->parentWidget(), QStringLiteral("Új")), Qt::LeftButton);
    ASSERT_EQ(codes->rowCount(), 1);
    EXPECT_EQ(codes->item(0, 0)->text(), QStringLiteral("1"));  // the next free key is proposed
    edit(codes, 0, 1, QStringLiteral("PSAI"));
    QTest::mouseClick(button(codes->parentWidget(), QStringLiteral("Mentés")), Qt::LeftButton);
    EXPECT_EQ(db.scalar(QStringLiteral("select kvtarkod from kvtarkod where id = 1")).toString(), QStringLiteral("PSAI"));

    // A row without its key is refused; what was stored stays.
    QTest::mouseClick(button(codes->parentWidget(), QStringLiteral("Új")), Qt::LeftButton);
    edit(codes, 1, 0, QString());
    edit(codes, 1, 1, QStringLiteral("MASIK"));
    QTest::mouseClick(button(codes->parentWidget(), QStringLiteral("Mentés")), Qt::LeftButton);
    ASSERT_EQ(dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(dialogs.texts().first().contains(QStringLiteral("kulcs"))) << dialogs.texts().first().toStdString();
    EXPECT_EQ(rows("kvtarkod"), 1);
    EXPECT_EQ(codes->rowCount(), 2);  // the typed row is still there to be mended
    edit(codes, 1, 0, QStringLiteral("7"));
    QTest::mouseClick(button(codes->parentWidget(), QStringLiteral("Mentés")), Qt::LeftButton);
    EXPECT_EQ(rows("kvtarkod"), 2);

    // Deleting a code asks first; deleting a location does not.
    dialogs.clear();
    codes->setCurrentCell(0, 1);
    dialogs.answers = {Dialogs::Answer::No};
    QTest::mouseClick(button(codes->parentWidget(), QStringLiteral("Törlés")), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(QStringLiteral("confirmDelete")).size(), 1);
    EXPECT_EQ(rows("kvtarkod"), 2);

    ListGrid* places = w->locationsGrid();
    QTest::mouseClick(button(places->parentWidget(), QStringLiteral("Új")), Qt::LeftButton);
    edit(places, 0, 1, QStringLiteral("Gyerekrészleg"));
    QTest::mouseClick(button(places->parentWidget(), QStringLiteral("Mentés")), Qt::LeftButton);
    EXPECT_EQ(rows("lhely"), 1);
    dialogs.clear();
    places->setCurrentCell(0, 1);
    QTest::mouseClick(button(places->parentWidget(), QStringLiteral("Törlés")), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(rows("lhely"), 0);
}

} // namespace
