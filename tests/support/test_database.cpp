#include "test_database.h"

#include "main_database.h"

#include <QFile>
#include <QTemporaryDir>

namespace kodrix::test {

QString scratchDir() {
    static QTemporaryDir dir;
    return dir.path();
}

QString freshDatabaseFile() {
    static int counter = 0;
    static const QString templ = [] {
        const QString path = scratchDir() + QStringLiteral("/template.fdb");
        db::Database maker(QStringLiteral("template-maker"));
        db::ConnectionSpec connection;
        connection.database = path;
        db::openMainDatabase(maker, connection, true);
        maker.close();
        return path;
    }();
    const QString copy = scratchDir() + QStringLiteral("/db%1.fdb").arg(++counter);
    if (!QFile::copy(templ, copy)) throw std::runtime_error("cannot copy the template database");
    return copy;
}

void DbTest::SetUp() {
    dbFile = freshDatabaseFile();
    db::ConnectionSpec connection;
    connection.database = dbFile;
    db.open(connection);
}

void DbTest::TearDown() {
    db.close();
    QFile::remove(dbFile);
}

} // namespace kodrix::test
