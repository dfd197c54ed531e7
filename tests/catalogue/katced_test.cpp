// The card editor: a card from the cataloguing window, the card width, saving and the
// unsaved-change question.
#include "kat_kv.h"
#include "katced.h"
#include "rtf.h"
#include "shell_fixture.h"

#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextEdit>

using namespace kodrix;

namespace {

class KatcedTest : public test::ShellTest {
protected:
    Tkatced* cardFromCatalogue() {
        window->session().librarianName = QStringLiteral("Kiss Anna");
        window->showGroupsForRights(QStringLiteral("10000"));
        Tkatkv* w = open<Tkatkv>(cmd::CatBook);
        w->command("  Új")->click();
        static_cast<QLineEdit*>(w->recordField("fc"))->setText(QStringLiteral("A kert"));
        static_cast<QLineEdit*>(w->recordField("szerad"))->setText(QStringLiteral("Kiss Anna"));
        w->command("&Nyomtat")->click();
        settle();
        return qobject_cast<Tkatced*>(window->session().windows.value(QStringLiteral("katced")).data());
    }
    QString changed() const {
        return QStringLiteral("A [Untitled] fájl tartalma megváltozott.\n\nKívánja menteni a változásokat?\n"
                              "(helyi lemezre, szövegfájlként!)");
    }
};

TEST_F(KatcedTest, ACardOpensUnmodifiedAndNewReplacesItWithoutAQuestion) {
    Tkatced* card = cardFromCatalogue();
    ASSERT_TRUE(card);
    EXPECT_EQ(card->editor()->toPlainText(), QStringLiteral("    A kert  /  Kiss Anna"));
    EXPECT_FALSE(card->isModified());
    EXPECT_EQ(card->windowTitle(), QStringLiteral("Katalógus cédula szerkesztése, nyomtatása - [Untitled]"));
    EXPECT_EQ(card->sizeField()->value(), 10);
    card->command("Új dokumentum")->trigger();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(card->editor()->toPlainText().isEmpty());
}

TEST_F(KatcedTest, CardWidthCutsLinesTo40AndTheCountIsShown) {
    Tkatced* card = cardFromCatalogue();
    card->editor()->setPlainText(QString(41, QLatin1Char('x')) + QLatin1Char('\n') + QString(40, QLatin1Char('y')));
    card->cutToCardWidth();
    EXPECT_EQ(card->editor()->toPlainText(), QString(40, QLatin1Char('x')) + QLatin1Char('\n') + QString(40, QLatin1Char('y')));
    card->countCharacters();
    EXPECT_EQ(dialogs.texts(), QStringList({"A szöveg 81 karaktert tartalmaz."}));
}

TEST_F(KatcedTest, ChangedCardAsksAndCancellingTheSaveStopsTheReplacement) {
    Tkatced* card = cardFromCatalogue();
    card->editor()->append(QStringLiteral("Új sor"));
    ASSERT_TRUE(card->isModified());
    dialogs.answers = {Dialogs::Answer::Yes};
    dialogs.files = {QString()};  // the save dialog is cancelled
    card->newDocument();
    EXPECT_EQ(dialogs.texts(QStringLiteral("ask")), QStringList({changed()}));
    EXPECT_TRUE(card->editor()->toPlainText().contains(QStringLiteral("Új sor")));

    dialogs.clear();
    dialogs.answers = {Dialogs::Answer::Cancel};
    card->newDocument();
    EXPECT_TRUE(card->editor()->toPlainText().contains(QStringLiteral("Új sor")));

    const QString path = test::scratchDir() + QStringLiteral("/cedula.rtf");
    dialogs.clear();
    dialogs.answers = {Dialogs::Answer::Yes};
    dialogs.files = {path};
    card->newDocument();
    EXPECT_TRUE(card->editor()->toPlainText().isEmpty());
    EXPECT_TRUE(card->fileName().isEmpty());  // the new document is untitled
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QTextDocument saved;
    ASSERT_TRUE(readRtf(f.readAll(), saved));
    EXPECT_EQ(saved.toPlainText(), QStringLiteral("    A kert  /  Kiss Anna\nÚj sor"));

    // And it opens again, unmodified.
    dialogs.files = {path};
    card->openDocument();
    EXPECT_EQ(card->editor()->toPlainText(), QStringLiteral("    A kert  /  Kiss Anna\nÚj sor"));
    EXPECT_FALSE(card->isModified());
    EXPECT_EQ(card->windowTitle(), QStringLiteral("Katalógus cédula szerkesztése, nyomtatása - ") + path);
}

} // namespace
