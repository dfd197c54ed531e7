// Windows-1250 text files, written whole.
#include "test_database.h"
#include "text_file.h"

#include <QDir>
#include <QFile>

using namespace kodrix;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST(TextFile, WritesWindows1250WithTheAskedLineEnds) {
    const QString path = test::scratchDir() + QStringLiteral("/lines.txt");
    ASSERT_TRUE(writeWin1250File(path, {QStringLiteral("Őrült"), QStringLiteral("űr")}, LineEnd::CrLf));
    EXPECT_EQ(bytesOf(path), QByteArray("\xD5r\xFClt\r\n\xFBr\r\n"));
    ASSERT_TRUE(writeWin1250File(path, {QStringLiteral("á"), QString()}, LineEnd::Lf));
    EXPECT_EQ(bytesOf(path), QByteArray("\xE1\n\n"));
    const auto back = readWin1250File(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, QStringList({QStringLiteral("á"), QString()}));
}

TEST(TextFile, ReadsCrLfAndLfAlike) {
    const QString path = test::scratchDir() + QStringLiteral("/mixed.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("egy\r\nk\xE9t\nh\xE1rom");
    f.close();
    EXPECT_EQ(*readWin1250File(path),
              QStringList({QStringLiteral("egy"), QStringLiteral("két"), QStringLiteral("három")}));
    EXPECT_FALSE(readWin1250File(test::scratchDir() + QStringLiteral("/nincs.txt")));
}

TEST(TextFile, FailedWriteReportsAndKeepsTheOldFile) {
    const QString dir = test::scratchDir() + QStringLiteral("/readonly");
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/keep.txt");
    ASSERT_TRUE(writeWin1250File(path, {QStringLiteral("régi")}, LineEnd::CrLf));
    // A folder in the file's place cannot be replaced by a file.
    const QString blocked = dir + QStringLiteral("/folder");
    QDir().mkpath(blocked);
    QString error;
    EXPECT_FALSE(writeWin1250File(blocked, {QStringLiteral("új")}, LineEnd::CrLf, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(writeWin1250File(dir + QStringLiteral("/nincs/mappa.txt"), {}, LineEnd::Lf));
    EXPECT_EQ(bytesOf(path), QByteArray("r\xE9gi\r\n"));
}

} // namespace
