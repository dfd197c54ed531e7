// Times the catalogue search on a large library: every mode, the newest acquisitions and the
// copy lookups, warm, several runs each (median and worst).
//   bench_search [data-folder] [records] [runs]
// The library is generated into the folder once (100 000 records by default) and reused.
#include "catalogue_search.h"
#include "copy_store.h"
#include "main_database.h"
#include "sample_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace kodrix;

namespace {

void measure(const char* name, int runs, const std::function<size_t()>& work) {
    work();  // warm
    std::vector<double> ms;
    size_t hits = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        hits = work();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("| %-44s | %7zu | %8.1f | %8.1f |\n", name, hits, ms[ms.size() / 2], ms.back());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath() + QStringLiteral("/kodrix-bench");
    const int records = argc > 2 ? atoi(argv[2]) : 100000;
    const int runs = argc > 3 ? atoi(argv[3]) : 7;
    QDir().mkpath(dir);
    db::prepareEmbeddedEngine(dir);
    db::Database db;
    db::ConnectionSpec connection;
    connection.database = db::mainDatabasePath(dir);
    const bool fresh = !QFileInfo::exists(connection.database);
    db::openMainDatabase(db, connection, true);
    if (fresh) {
        QElapsedTimer t;
        t.start();
        SampleLibrary library;
        library.records = records;
        library.progress = [](int n) { std::fprintf(stderr, "\r%d records", n); };
        library.fill(db);
        std::fprintf(stderr, "\rgenerated in %.1f s\n", t.elapsed() / 1000.0);
    }
    std::printf("records %lld, copies %lld, author rows %lld, title rows %lld\n\n",
                db.scalar("select count(*) from konyv").toLongLong(), db.scalar("select count(*) from kpld").toLongLong(),
                db.scalar("select count(*) from kszerzo").toLongLong(), db.scalar("select count(*) from kcim").toLongLong());
    std::printf("| %-44s | %7s | %8s | %8s |\n|---|---:|---:|---:|\n", "search", "hits", "median ms", "worst ms");

    CatalogueSearch search(db);
    using M = CatalogueSearch::Match;
    const auto run = [&](int mode, const char* text, M match, const char* second = "") {
        return [&search, mode, text, match, second] {
            CatalogueSearch::Request r;
            r.mode = mode;
            r.text = QString::fromUtf8(text);
            r.second = QString::fromUtf8(second);
            r.match = match;
            return search.run(r).rows.size();
        };
    };
    measure("author prefix \"molnár z\"", runs, run(CatalogueSearch::Author, "molnár z", M::Prefix));
    measure("author prefix \"kov\" (heavy)", runs, run(CatalogueSearch::Author, "kov", M::Prefix));
    measure("author anywhere \"szabó\"", runs, run(CatalogueSearch::Author, "szabó", M::Anywhere));
    measure("author exact \"kiss anna\"", runs, run(CatalogueSearch::Author, "kiss anna", M::Exact));
    measure("author prefix + title \"nagy\" / \"a\"", runs, run(CatalogueSearch::Author, "nagy", M::Prefix, "a"));
    measure("title prefix \"tündér\"", runs, run(CatalogueSearch::Title, "tündér", M::Prefix));
    measure("title anywhere \"sárkány\"", runs, run(CatalogueSearch::Title, "sárkány", M::Anywhere));
    measure("title prefix + author \"arany\" / \"k\"", runs, run(CatalogueSearch::Title, "arany", M::Prefix, "k"));
    measure("subject anywhere \"helytört\"", runs, run(CatalogueSearch::Subject, "helytört", M::Anywhere));
    measure("subject synonym \"hazai irodalom\"", runs, run(CatalogueSearch::Subject, "hazai irodalom", M::Exact));
    measure("publication prefix \"szeged : mó\"", runs, run(CatalogueSearch::Publication, "szeged : mó", M::Prefix));
    measure("year \"1990\" - \"1992\"", runs, run(CatalogueSearch::Year, "1990", M::Prefix, "1992"));
    measure("printer anywhere \"eger\"", runs, run(CatalogueSearch::Printer, "eger", M::Anywhere));
    measure("UDC prefix \"894.511-3\"", runs, run(CatalogueSearch::Udc, "894.511-3", M::Prefix));
    measure("ISBN prefix \"963-55\"", runs, run(CatalogueSearch::Isbn, "963-55", M::Prefix));
    measure("TMT anywhere \"xy\"", runs, run(CatalogueSearch::Tmt, "xy", M::Anywhere));
    measure("language exact \"német\"", runs, run(CatalogueSearch::Language, "német", M::Exact));
    measure("inventory number 4711", runs, run(CatalogueSearch::InventoryNumber, "4711", M::Prefix));
    measure("barcode K0012345", runs, run(CatalogueSearch::Barcode, "K0012345", M::Prefix));
    measure("genre \"dráma\"", runs, run(CatalogueSearch::Genre, "dráma", M::Prefix));
    measure("audiobook list", runs, run(CatalogueSearch::AudiobookList, "xx", M::Prefix));
    measure("newest acquisitions", runs, [&] { return search.newest(SampleLibrary::kLibraryCode, {}, {}).rows.size(); });
    db::FixedClock clock(QDate(2026, 12, 11));
    CopyStore copies(db, clock, QStringLiteral("Könyv"), QStringLiteral("Bench"));
    measure("next inventory number", runs, [&] {
        return size_t(copies.nextInventoryNumber(QString(), SampleLibrary::kLibraryCode) > 0);
    });
    measure("barcode used elsewhere", runs, [&] {
        return size_t(copies.barcodeUsedElsewhere(QStringLiteral("K0054321"), QVariant()).has_value());
    });
    return 0;
}
