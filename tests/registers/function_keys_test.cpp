// The function-key window, its file kodrix.ini and the keys in the data-entry windows.
#include "fbill.h"
#include "function_keys.h"
#include "shell_fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace kodrix;

namespace {

class FunctionKeysTest : public test::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        workDir = test::scratchDir() + QStringLiteral("/work-") +
                  QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
        QDir().mkpath(workDir);
        window->context().workDir = workDir;
        window->showGroupsForRights(QStringLiteral("00000"));
    }
    QString iniPath() const { return workDir + QStringLiteral("/kodrix.ini"); }
    QByteArray iniBytes() const {
        QFile f(iniPath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    void writeIni(const QByteArray& bytes) {
        QFile f(iniPath());
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QString workDir;
};

TEST_F(FunctionKeysTest, MissingFileOpensEmptyAndSavingEmptyFieldsWritesElevenEmptyLines) {
    window->session().functionKeys[0] = QStringLiteral("régi");
    Tfbill* w = open<Tfbill>(cmd::FunctionKeys);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Funkcióbillentyűk"));
    for (int i = 0; i < 11; ++i) EXPECT_TRUE(w->keyField(i)->text().isEmpty());
    EXPECT_EQ(window->session().functionKeys[0], QStringLiteral("régi"));
    QPointer<Tfbill> alive = w;
    QTest::mouseClick(button(w, QStringLiteral(" Mentés")), Qt::LeftButton);
    settle();
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(iniBytes(), QByteArray("\r\n").repeated(11));
    EXPECT_EQ(window->session().functionKeys, QStringList(11, QString()));
}

TEST_F(FunctionKeysTest, ShortFileFillsTheFirstKeysAndSavedTextsComeBack) {
    writeIni("Bp.\r\nMagyar K\xF6nyvkiad\xF3\r\nill.\r\n");
    Tfbill* w = open<Tfbill>(cmd::FunctionKeys);
    EXPECT_EQ(w->keyField(0)->text(), QStringLiteral("Bp."));
    EXPECT_EQ(w->keyField(1)->text(), QStringLiteral("Magyar Könyvkiadó"));
    EXPECT_EQ(w->keyField(2)->text(), QStringLiteral("ill."));
    for (int i = 3; i < 11; ++i) EXPECT_TRUE(w->keyField(i)->text().isEmpty());
    EXPECT_EQ(window->session().functionKeys.at(1), QStringLiteral("Magyar Könyvkiadó"));

    w->keyField(10)->setText(QStringLiteral("Szeged : Ő & Ű Kft."));
    w->save();
    settle();
    Tfbill* again = open<Tfbill>(cmd::FunctionKeys);
    EXPECT_EQ(again->keyField(10)->text(), QStringLiteral("Szeged : Ő & Ű Kft."));
    EXPECT_EQ(again->keyField(0)->text(), QStringLiteral("Bp."));
    EXPECT_EQ(iniBytes().count("\r\n"), 11);
    EXPECT_EQ(window->session().functionKeys.at(10), QStringLiteral("Szeged : Ő & Ű Kft."));
}

TEST_F(FunctionKeysTest, UnwritableFileIsReportedAndTheWindowStays) {
    QDir().mkpath(iniPath());  // a folder where the file should be
    Tfbill* w = open<Tfbill>(cmd::FunctionKeys);
    QPointer<Tfbill> alive = w;
    w->keyField(0)->setText(QStringLiteral("új"));
    w->save();
    settle();
    EXPECT_FALSE(alive.isNull());
    ASSERT_EQ(dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_TRUE(dialogs.texts().first().contains(iniPath()));
    EXPECT_EQ(window->session().functionKeys.at(0), QStringLiteral("új"));
}

TEST_F(FunctionKeysTest, KeysAppendTheirTextToTheFocusedFieldOfTheirWindowOnly) {
    QStringList texts(11, QString());
    texts[0] = QStringLiteral("Budapest");
    texts[10] = QStringLiteral(" : Őrség");
    QWidget form;
    auto* line = new QLineEdit(QStringLiteral("Hely: "), &form);
    auto* readOnly = new QLineEdit(QStringLiteral("zárt"), &form);
    readOnly->setReadOnly(true);
    auto* notes = new QPlainTextEdit(QStringLiteral("Megj."), &form);
    FunctionKeyFilter::install(&form, texts);
    QLineEdit outside;

    line->setCursorPosition(0);
    QTest::keyClick(line, Qt::Key_F2);
    QTest::keyClick(line, Qt::Key_F12);
    EXPECT_EQ(line->text(), QStringLiteral("Hely: Budapest : Őrség"));
    EXPECT_EQ(line->cursorPosition(), line->text().size());
    QTest::keyClick(readOnly, Qt::Key_F2);
    EXPECT_EQ(readOnly->text(), QStringLiteral("zárt"));
    QTest::keyClick(notes, Qt::Key_F2);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("MegjBudapest").insert(4, QLatin1Char('.')));
    QTest::keyClick(&outside, Qt::Key_F2);
    EXPECT_TRUE(outside.text().isEmpty());
}

TEST(FunctionKeyFile, ReadsElevenTextsAndWritesElevenLines) {
    const QString path = test::scratchDir() + QStringLiteral("/long.ini");
    QStringList many;
    for (int i = 0; i < 14; ++i) many.append(QStringLiteral("t%1").arg(i));
    ASSERT_TRUE(function_keys::write(path, many));
    const auto back = function_keys::read(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, many.mid(0, 11));
    EXPECT_FALSE(function_keys::read(path + QStringLiteral(".nincs")));
}

} // namespace
