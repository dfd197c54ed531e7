// Measures the first start (create the database file, build the schema, load the reference
// data) and a later start (open the file, check the schema version), over several runs.
//   bench_startup [runs]
#include "main_database.h"
#include "schema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kodrix::db;

namespace {

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-12s runs %zu  min %7.1f ms  median %7.1f ms  max %7.1f ms  mean %7.1f ms\n", what,
                ms.size(), ms.front(), ms[ms.size() / 2], ms.back(), sum / ms.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    prepareEmbeddedEngine(dir.path());
    std::vector<double> first, later;
    for (int i = 0; i < runs; ++i) {
        ConnectionSpec connection;
        connection.database = dir.filePath(QStringLiteral("run%1.fdb").arg(i));
        QElapsedTimer t;
        t.start();
        {
            Database db;
            openMainDatabase(db, connection, true);
        }
        first.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        {
            Database db;
            openMainDatabase(db, connection, false);
        }
        later.push_back(t.nsecsElapsed() / 1e6);
    }
    report("first start", first);
    report("later start", later);
    return 0;
}
