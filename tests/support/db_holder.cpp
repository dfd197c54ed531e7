// Test helper: opens a database file in its own process, prints "open", and keeps the file
// open until its standard input closes. Lets a test see a second process hold the file.
#include "database.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    kodrix::db::Database db;
    kodrix::db::ConnectionSpec connection;
    connection.database = QString::fromLocal8Bit(argv[1]);
    try {
        db.open(connection);
    } catch (const kodrix::db::DbError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::puts("open");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
