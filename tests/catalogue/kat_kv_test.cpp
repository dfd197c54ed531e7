// The cataloguing window, driven through the menu as a librarian uses it.
#include "kat_kv.h"
#include "list_grid.h"
#include "shell_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QWheelEvent>

using namespace kodrix;

namespace {

class KatkvTest : public test::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        db.exec(QStringLiteral("insert into konyvtar (id, kvtkod, pnem) values (1, 'PSAI', 'Ft')"));
        db.exec(QStringLiteral("insert into kvtarkod (id, kvtarkod) values (1, 'PSAI')"));
        db.exec(QStringLiteral("insert into lhely (id, lhely) values (1, 'Gyerekrészleg')"));
        db.exec(QStringLiteral("insert into lhely (id, lhely) values (2, 'Olvasóterem')"));
        db.exec(QStringLiteral("insert into mufaj (id, doktipus, mufaj) values (1, 'Könyv', 'regény')"));
        db.exec(QStringLiteral("insert into mufaj (id, doktipus, mufaj) values (2, 'AV', 'dokumentumfilm')"));
        window->session().librarianName = QStringLiteral("Kiss Anna");
        window->showGroupsForRights(QStringLiteral("10000"));
    }
    Tkatkv* openType(const QString& command) { return open<Tkatkv>(command); }
    static void type(QWidget* field, const QString& text) {
        if (auto* l = qobject_cast<QLineEdit*>(field)) {
            l->setFocus();
            typeText(l, text);
        } else if (auto* p = qobject_cast<QPlainTextEdit*>(field)) {
            p->setFocus();
            typeText(p, text);
        } else if (auto* c = qobject_cast<QComboBox*>(field)) {
            c->setCurrentIndex(c->findText(text));
        }
    }
    void press(Tkatkv* w, const QString& name) {
        QPushButton* b = w->command(name);
        ASSERT_TRUE(b) << name.toStdString();
        ASSERT_TRUE(b->isEnabled()) << name.toStdString();
        b->click();
        settle();
    }
};

TEST_F(KatkvTest, EachCommandOpensItsVariant) {
    const struct {
        QString command;
        QString caption;
        int tag;
        QString isbnLabel;
        bool analyticVisible;
    } cases[] = {
        {cmd::CatBook, "Katalogizálás: könyv", 0, "ISBN:", true},
        {cmd::CatAv, "Katalogizálás: AV (video)", 1, "Azonosító szám:", false},
        {cmd::CatMultimedia, "Katalogizálás: multimédia", 2, "Azonosító jel:", false},
        {cmd::CatThesis, "Katalogizálás: Szakdolgozat", 4, "ISBN:", true},
        {cmd::CatEbook, "Katalogizálás: e-könyv", 5, "ISBN:", true},
        {cmd::CatPeriodical, "Katalogizálás: periodika: bekötött, beleltározott folyóirat", 6, "ISBN:", true},
    };
    for (const auto& c : cases) {
        Tkatkv* w = openType(c.command);
        ASSERT_TRUE(w) << c.command.toStdString();
        EXPECT_EQ(w->windowTitle(), c.caption);
        EXPECT_EQ(w->property("tag").toInt(), c.tag);
        EXPECT_EQ(w->fieldLabel("isbn")->text(), c.isbnLabel);
        EXPECT_EQ(w->pages()->isTabVisible(Tkatkv::Analytic), c.analyticVisible);
        EXPECT_FALSE(w->pages()->isTabVisible(Tkatkv::ExportImport));
        EXPECT_EQ(w->pages()->count(), 6);
        EXPECT_FALSE(w->command("&Import")->isEnabled());
    }
    Tkatkv* av = openWindows<Tkatkv>().at(1);
    EXPECT_FALSE(av->recordField("nyomda")->isEnabled());
    EXPECT_EQ(av->documentType(), QStringLiteral("AV"));
    auto* genres = static_cast<QComboBox*>(av->recordField("irmufaj"));
    EXPECT_NE(genres->findText(QStringLiteral("dokumentumfilm")), -1);
    EXPECT_EQ(genres->findText(QStringLiteral("regény")), -1);
    Tkatkv* thesis = openWindows<Tkatkv>().at(3);
    EXPECT_EQ(thesis->fieldLabel("irmufaj")->text(), QStringLiteral("Típus:"));
    EXPECT_EQ(thesis->fieldLabel("ar")->text(), QStringLiteral("Érdemjegy:"));
    EXPECT_EQ(thesis->fieldLabel("tft")->text(), QStringLiteral("Konzulens tanár:"));
    auto* kinds = static_cast<QComboBox*>(thesis->recordField("irmufaj"));
    EXPECT_EQ(kinds->count(), 2);
    EXPECT_EQ(kinds->itemText(1), QStringLiteral("Disszertáció"));
    EXPECT_EQ(window->session().documentType, QStringLiteral("Periodika"));
}

TEST_F(KatkvTest, NewRecordTypedAndSavedWithItsIndexEntries) {
    Tkatkv* w = openType(cmd::CatBook);
    press(w, "  Új");
    EXPECT_EQ(static_cast<QLineEdit*>(w->findChild<QLineEdit*>("id"))->text(), QStringLiteral("1"));
    press(w, "&Mentés");
    EXPECT_EQ(dialogs.texts(), QStringList({"Főcím megadása kötelező!"}));
    dialogs.clear();
    type(w->recordField("raktj"), QStringLiteral("m 45"));
    EXPECT_EQ(static_cast<QLineEdit*>(w->recordField("raktj"))->text(), QStringLiteral("M 45"));
    type(w->recordField("szerzo"), QStringLiteral("Móricz Zsigmond"));
    type(w->recordField("fc"), QStringLiteral("Légy jó mindhalálig"));
    type(w->recordField("ar"), QStringLiteral("2490,5"));
    type(w->recordField("tartmeg"), QStringLiteral("Első#Második"));
    type(w->recordField("utalo"), QStringLiteral("Móricz Zs."));
    press(w, "-->");
    EXPECT_EQ(static_cast<QPlainTextEdit*>(w->recordField("utalo"))->toPlainText(),
              QStringLiteral("Móricz Zs.-->Móricz Zsigmond"));
    press(w, "&Mentés");
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.texts().join(' ').toStdString();
    const auto row = db.selectFirst(QStringLiteral("select * from konyv"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text("raktj"), QStringLiteral("M 45"));
    EXPECT_EQ(row->text("doktipus"), QStringLiteral("Könyv"));
    EXPECT_EQ(row->text("pnem"), QStringLiteral("Ft"));
    EXPECT_EQ(row->text("nyelv"), QStringLiteral("magyar"));
    EXPECT_DOUBLE_EQ(row->toDouble("ar"), 2490.5);
    EXPECT_EQ(db.scalar(QStringLiteral("select list(szerzo, '|') from (select szerzo from kszerzo order by sorszam)")).toString(),
              QStringLiteral("Móricz Zsigmond|Móricz Zs."));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kcim")).toInt(), 3);
    EXPECT_FALSE(w->command("&Mentés")->isEnabled());
    EXPECT_FALSE(w->isNewRecord());

    // Found again by title, Hungarian capitals and all.
    w->searchBox()->setText(QStringLiteral("LÉGY"));
    press(w, "&Keresés");
    EXPECT_EQ(w->recordCount()->text(), QStringLiteral("1 db"));
    EXPECT_EQ(static_cast<QLineEdit*>(w->recordField("fc"))->text(), QStringLiteral("Légy jó mindhalálig"));
}

TEST_F(KatkvTest, CopiesPageCreatesTheFirstCopyAndNumbersIt) {
    Tkatkv* w = openType(cmd::CatBook);
    press(w, "  Új");
    type(w->recordField("fc"), QStringLiteral("Tüskevár"));
    press(w, "&Mentés");
    w->pages()->setCurrentIndex(Tkatkv::Copies);
    settle();
    EXPECT_TRUE(w->isNewCopy());
    EXPECT_EQ(w->copyCount()->text(), QStringLiteral("0 db"));
    EXPECT_EQ(static_cast<QComboBox*>(w->copyField("tulaj"))->currentText(), QStringLiteral("PSAI"));
    EXPECT_EQ(static_cast<QLineEdit*>(w->copyField("beszdatum"))->text(), QStringLiteral("2024"));
    press(w, "copy.nextNumber");
    EXPECT_EQ(static_cast<QLineEdit*>(w->copyField("lszam"))->text(), QStringLiteral("1"));
    type(w->copyField("vonalkod"), QStringLiteral("K000123"));
    auto* place = static_cast<QComboBox*>(w->copyField("lhely"));
    place->setCurrentIndex(place->findText(QStringLiteral("Gyerekrészleg")));
    w->leaveLocation();
    EXPECT_EQ(static_cast<QComboBox*>(w->copyField("kat"))->currentText(), QStringLiteral("Ifjúsági"));
    // No price on the record: the library's own copy cannot be stored.
    press(w, "copy.save");
    EXPECT_EQ(dialogs.texts(), QStringList({CopyStore::kNeedsPrice}));
    EXPECT_FALSE(w->command("copy.save")->isEnabled());
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kpld")).toInt(), 0);

    dialogs.clear();
    static_cast<QComboBox*>(w->copyField("tulaj"))->setCurrentIndex(0);  // not the library's own
    w->saveCopy();
    settle();
    EXPECT_TRUE(dialogs.shown.isEmpty()) << dialogs.texts().join(' ').toStdString();
    const auto copy = db.selectFirst(QStringLiteral("select * from kpld"));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->toInt("sorszam"), 1);
    EXPECT_EQ(copy->toInt("lszam"), 1);
    EXPECT_EQ(copy->text("vonalkod"), QStringLiteral("K000123"));
    EXPECT_EQ(copy->text("kat"), QStringLiteral("Ifjúsági"));
    EXPECT_EQ(copy->text("lhely"), QStringLiteral("Gyerekrészleg"));
    EXPECT_EQ(w->copyCount()->text(), QStringLiteral("1 db"));
    EXPECT_EQ(w->titleIndexGrid()->rowCount(), 1);

    // Duplicate for a second copy; its barcode is then reported when left.
    press(w, "copy.duplicate");
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kpld")).toInt(), 2);
    type(w->copyField("vonalkod"), QStringLiteral("K000123"));
    w->leaveBarcode();
    EXPECT_EQ(dialogs.texts(), QStringList({"Ilyen vonalkód már van! Leltári szám: 1"}));
}

TEST_F(KatkvTest, HandMadeIndexEntriesAndTheGuardedRecordDelete) {
    Tkatkv* w = openType(cmd::CatBook);
    press(w, "  Új");
    type(w->recordField("fc"), QStringLiteral("Egri csillagok"));
    type(w->recordField("ar"), QStringLiteral("100"));
    press(w, "&Mentés");
    w->pages()->setCurrentIndex(Tkatkv::Copies);
    settle();
    press(w, "author.new");
    w->authorIndexGrid()->item(0, 0)->setText(QStringLiteral("Gárdonyi Géza"));
    press(w, "author.save");
    EXPECT_EQ(db.scalar(QStringLiteral("select szerzo from kszerzo")).toString(), QStringLiteral("Gárdonyi Géza"));
    EXPECT_EQ(db.scalar(QStringLiteral("select doktipus from kszerzo")).toString(), QStringLiteral("Könyv"));

    QPushButton* remove = w->command("Dokumentum törlése");
    EXPECT_TRUE(remove->isHidden());
    auto* code = w->findChild<QLineEdit*>("hozzaferes");
    code->setText(QStringLiteral("qorbelt"));
    w->unlockRecordDelete();
    EXPECT_TRUE(remove->isHidden());
    code->setText(QStringLiteral("Qorbelt"));
    w->unlockRecordDelete();
    EXPECT_FALSE(remove->isHidden());
    dialogs.answers = {Dialogs::Answer::No};
    remove->click();
    EXPECT_TRUE(remove->isHidden());
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from konyv")).toInt(), 1);
    code->setText(QStringLiteral("Qorbelt"));
    w->unlockRecordDelete();
    remove->click();
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from konyv")).toInt(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from kszerzo")).toInt(), 0);
    EXPECT_TRUE(remove->isHidden());
}

TEST_F(KatkvTest, FunctionKeysOfKodrixIniAppendToTheFocusedField) {
    const QString work = test::scratchDir() + QStringLiteral("/katkv-keys");
    QDir().mkpath(work);
    window->context().workDir = work;
    QFile ini(work + QStringLiteral("/kodrix.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("Budapest : M\xF3ra\r\n");  // Windows-1250
    ini.close();
    Tkatkv* w = openType(cmd::CatBook);
    press(w, "  Új");
    auto* field = static_cast<QLineEdit*>(w->recordField("kiadas"));
    field->setText(QStringLiteral("[")); 
    QTest::keyClick(field, Qt::Key_F2);
    EXPECT_EQ(field->text(), QStringLiteral("[Budapest : Móra"));
}

TEST_F(KatkvTest, CutterFillsTheShelfMarkAndLeavingTheAuthorRunsIt) {
    Tkatkv* w = openType(cmd::CatBook);
    press(w, "  Új");
    auto* mark = static_cast<QLineEdit*>(w->recordField("raktj"));
    type(w->recordField("fc"), QStringLiteral("Peterson"));
    press(w, "&Cutter");
    EXPECT_EQ(mark->text(), QStringLiteral("P485"));
    mark->clear();
    w->recordField("szerzo")->setFocus();
    typeText(w->recordField("szerzo"), QStringLiteral("Peterson"));
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(w->recordField("szerzo"), &leave);
    EXPECT_EQ(mark->text(), QStringLiteral("P485"));
    EXPECT_TRUE(w->command("&Mentés")->isEnabled());
}

TEST_F(KatkvTest, ScrollingTheFormDoesNotChangeTheListsItPasses) {
    Tkatkv* w = openType(cmd::CatBook);
    press(w, "  Új");
    auto* language = static_cast<QComboBox*>(w->recordField("nyelv"));
    const QString before = language->currentText();
    QWheelEvent wheel(QPointF(5, 5), language->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(language, &wheel);
    EXPECT_EQ(language->currentText(), before);
}

TEST_F(KatkvTest, WindowsOfTwoTypesKeepTheirOwnType) {
    Tkatkv* book = openType(cmd::CatBook);
    Tkatkv* av = openType(cmd::CatAv);
    press(book, "  Új");
    type(book->recordField("fc"), QStringLiteral("Könyvcím"));
    press(book, "&Mentés");
    press(av, "  Új");
    type(av->recordField("fc"), QStringLiteral("Filmcím"));
    press(av, "&Mentés");
    EXPECT_EQ(db.scalar(QStringLiteral("select doktipus from konyv where fc='Könyvcím'")).toString(), QStringLiteral("Könyv"));
    EXPECT_EQ(db.scalar(QStringLiteral("select doktipus from konyv where fc='Filmcím'")).toString(), QStringLiteral("AV"));
    EXPECT_EQ(db.scalar(QStringLiteral("select doktipus from kcim where cim='Filmcím'")).toString(), QStringLiteral("AV"));
    // Each window finds only its own type.
    book->searchBox()->setText(QStringLiteral("f"));
    press(book, "&Keresés");
    EXPECT_EQ(book->recordCount()->text(), QStringLiteral("0 db"));
    av->searchMode()->setCurrentIndex(4);  // Sorszám
    av->searchBox()->setText(QStringLiteral("1"));
    press(av, "&Keresés");
    EXPECT_EQ(dialogs.texts(), QStringList({"Nincs ilyen sorszámú dokumentum"}));
}

} // namespace
