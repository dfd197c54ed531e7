#include "sample_library.h"

#include "index_entries.h"
#include "password_scramble.h"

#include <QDate>
#include <cmath>
#include <random>

namespace kodrix {

namespace {

const QStringList kSurnames = {
    "Kovács", "Nagy", "Tóth", "Szabó", "Horváth", "Varga", "Kiss", "Molnár", "Németh", "Farkas", "Balogh",
    "Papp", "Takács", "Juhász", "Lakatos", "Mészáros", "Oláh", "Simon", "Rácz", "Fekete", "Szilágyi",
    "Török", "Fehér", "Balázs", "Gál", "Kis", "Szűcs", "Kocsis", "Orsós", "Pintér", "Fodor", "Szalai",
    "Sipos", "Magyar", "Lukács", "Gulyás", "Bíró", "Király", "Balog", "László", "Katona", "Jakab", "Bogdán",
    "Sándor", "Antal", "Somogyi", "Fülöp", "Orosz", "Vincze", "Veres", "Bodnár", "Hegedűs", "Deák", "Budai",
    "Pál", "Illés", "Vörös", "Vass", "Csonka", "Csizmadia", "Ősz", "Ürögdi", "Őri", "Ács", "Éles", "Zsigmond",
    "Cukor", "Csaba", "Szőke", "Sütő", "Ónodi", "Üveges", "Lengyel", "Erdős", "Halász", "Márton", "Major"};
const QStringList kGivenMale = {"László", "István", "József", "János", "Zoltán", "Sándor", "Gábor", "Ferenc",
                                "Attila", "Péter", "Tamás", "Zsolt", "Tibor", "András", "Csaba", "Imre",
                                "Lajos", "György", "Balázs", "Gyula", "Mihály", "Károly", "Róbert", "Béla",
                                "Dávid", "Dániel", "Ödön", "Örs", "Ábel", "Előd"};
const QStringList kGivenFemale = {"Mária", "Erzsébet", "Katalin", "Éva", "Ilona", "Anna", "Zsuzsanna", "Margit",
                                  "Judit", "Ágnes", "Andrea", "Erika", "Krisztina", "Márta", "Edit", "Gabriella",
                                  "Szilvia", "Anita", "Mónika", "Tímea", "Ildikó", "Enikő", "Júlia", "Dóra",
                                  "Orsolya", "Réka", "Emőke", "Ünige", "Őzike", "Zsófia"};
const QStringList kTitleWords = {
    "A", "kis", "herceg", "nagy", "utazás", "titka", "csillagok", "fény", "árnyék", "város", "tenger", "erdő",
    "hegyek", "szerelem", "háború", "béke", "élet", "halál", "idő", "álom", "ház", "kert", "tél", "nyár",
    "ősz", "tavasz", "gyermek", "öreg", "király", "királynő", "tündér", "sárkány", "kaland", "történet",
    "krónika", "legenda", "mese", "napló", "levelek", "versek", "úton", "éjszaka", "hajnal", "alkony",
    "fekete", "fehér", "piros", "zöld", "arany", "ezüst", "Magyarország", "Budapest", "Duna", "Tisza",
    "Balaton", "földrajz", "történelem", "matematika", "fizika", "kémia", "biológia", "irodalom", "nyelvtan",
    "zene", "művészet", "szakácskönyv", "kézikönyv", "lexikon", "szótár", "atlasz", "ének", "ünnep"};
const QStringList kPlaces = {"Budapest", "Szeged", "Debrecen", "Pécs", "Győr", "Miskolc", "Kecskemét", "Eger"};
const QStringList kPublishers = {"Móra", "Európa", "Magvető", "Helikon", "Corvina", "Akadémiai Kiadó",
                                 "Nemzeti Tankönyvkiadó", "Kossuth", "Park", "Libri", "Jelenkor", "Osiris"};
const QStringList kSubjects = {"magyar irodalom", "regény", "vers", "ifjúsági irodalom", "történelem",
                               "földrajz", "természettudomány", "szakácskönyv", "mesekönyv", "útikönyv",
                               "életrajz", "Hangoskönyv", "helytörténet", "nyelvkönyv", "zene"};
const QStringList kLocations = {"Felnőtt részleg", "Gyerekrészleg", "Helyismereti gyűjtemény", "Olvasóterem", "Raktár"};
const QStringList kGenres = {"regény", "novella", "vers", "dráma", "mese", "ismeretterjesztő", "szakkönyv"};
const QStringList kLanguages = {"magyar", "magyar", "magyar", "magyar", "magyar", "magyar", "angol", "német", "francia"};

struct Random {
    std::mt19937 engine;
    explicit Random(unsigned seed) : engine(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine) < p; }
    // Skewed: the first items of a list come far more often (a few very common surnames).
    int skewed(int n) {
        const double u = std::uniform_real_distribution<double>(0, 1)(engine);
        return std::min(n - 1, int(n * std::pow(u, 1.4)));
    }
    const QString& pick(const QStringList& l) { return l.at(below(int(l.size()))); }
};

QString personName(Random& rnd) {
    const QString surname = kSurnames.at(rnd.skewed(int(kSurnames.size())));
    if (rnd.chance(0.5)) return surname + QLatin1Char(' ') + rnd.pick(kGivenMale);
    if (rnd.chance(0.3))  // married form: husband's name with -né, then her own
        return kSurnames.at(rnd.skewed(int(kSurnames.size()))) + QStringLiteral("né ") + surname + QLatin1Char(' ') +
               rnd.pick(kGivenFemale);
    return surname + QLatin1Char(' ') + rnd.pick(kGivenFemale);
}

QString titleText(Random& rnd, int words) {
    QStringList w;
    for (int i = 0; i < words; ++i) w.append(rnd.pick(kTitleWords));
    QString t = w.join(QLatin1Char(' '));
    t[0] = t.at(0).toUpper();
    return t;
}

QString documentType(Random& rnd) {
    const int r = rnd.below(100);
    if (r < 80) return QStringLiteral("Könyv");
    if (r < 85) return QStringLiteral("AV");
    if (r < 88) return QStringLiteral("Multimédia");
    if (r < 92) return QStringLiteral("Hangzó");
    if (r < 95) return QStringLiteral("Szakdolgozat");
    if (r < 98) return QStringLiteral("E-könyv");
    return QStringLiteral("Periodika");
}

} // namespace

void SampleLibrary::fill(db::Database& db) const {
    Random rnd(seed);
    db::Transaction tx(db);
    db.exec(QStringLiteral("insert into konyvtar (id,kvtnev,kvtkod,email,kes,kesdij,pnem,telepules,kvtcim,irszam) values "
                           "(1,'Bemutató Városi Könyvtár',:k,'konyvtar@example.org','n',20,'Ft','Kiskőrös','Petőfi tér 1.','6200')"),
            {{QStringLiteral("k"), kLibraryCode}});
    db.exec(QStringLiteral("insert into kvtarkod (id,kvtarkod) values (1,:k)"), {{QStringLiteral("k"), kLibraryCode}});
    for (int i = 0; i < kLocations.size(); ++i)
        db.exec(QStringLiteral("insert into lhely (id,lhely) values (:id,:l)"), {{"id", i + 1}, {"l", kLocations.at(i)}});
    const QStringList categories = {"Diák", "Felnőtt", "Pedagógus", "Nyugdíjas", "Regisztrált tag"};
    for (int i = 0; i < categories.size(); ++i)
        db.exec(QStringLiteral("insert into olvkat (id,katnev,tagdij,kolcsdok,fkap) values (:id,:n,:t,:k,:f)"),
                {{"id", i + 1}, {"n", categories.at(i)}, {"t", i == 1 ? 1000 : 0}, {"k", i == 4 ? 0 : 5},
                 {"f", i == 4 ? "n" : "i"}});
    db.exec(QStringLiteral("insert into kvtaros (id,nev,kod,jelszo,jogkod,kat) values (1,'Minta Mária',:kod,:j,'11111',false)"),
            {{"kod", kLibrarianId}, {"j", scramblePassword(kLibrarianId, kLibrarianPassword)}});
    for (int i = 0; i < kSubjects.size(); ++i)
        db.exec(QStringLiteral("insert into targyszo (id,doktipus,targyszo,szinonima) values (:id,'Könyv',:t,:s)"),
                {{"id", i + 1}, {"t", kSubjects.at(i)}, {"s", i == 0 ? QStringLiteral("hazai irodalom") : QString()}});
    for (int i = 0; i < kPublishers.size(); ++i)
        db.exec(QStringLiteral("insert into kiadok (id,doktipus,kiado) values (:id,'Könyv',:k)"),
                {{"id", i + 1}, {"k", kPlaces.at(i % kPlaces.size()) + QStringLiteral(" : ") + kPublishers.at(i)}});
    for (int i = 0; i < kGenres.size(); ++i)
        db.exec(QStringLiteral("insert into mufaj (id,doktipus,mufaj) values (:id,'Könyv',:m)"), {{"id", i + 1}, {"m", kGenres.at(i)}});

    db::Statement record(db, QStringLiteral(
        "insert into konyv (id,doktipus,szakj,raktj,irmufaj,szerzo,szemtest,fc,ac,szerad,kiadas,kiadev,nyomda,ter,sc1,"
        "isbn,ar,pnem,eto,tft,tszo,nyelv,mt,tartmeg,kvtaros1,rdatum) values (:id,:doktipus,:szakj,:raktj,:irmufaj,:szerzo,'s',:fc,"
        ":ac,:szerad,:kiadas,:kiadev,:nyomda,:ter,:sc1,:isbn,:ar,'Ft',:eto,:tft,:tszo,:nyelv,:mt,:tartmeg,'Minta Mária',:rdatum)"));
    db::Statement copy(db, QStringLiteral(
        "insert into kpld (sorszam,id,vonalkod,lbetu,lszam,lhely,statusz,beszmod,beszdatum,tulaj,doktipus,kat,"
        "kvtaros1,rdatum) values (:sorszam,:id,:vonalkod,:lbetu,:lszam,:lhely,:statusz,'Vétel',:beszdatum,:tulaj,"
        ":doktipus,:kat,'Minta Mária',:rdatum)"));
    db::Statement author(db, QStringLiteral("insert into kszerzo (sorszam,doktipus,id,szerzo) values (:s,:t,:id,:v)"));
    db::Statement title(db, QStringLiteral("insert into kcim (sorszam,doktipus,id,cim) values (:s,:t,:id,:v)"));

    QHash<QString, int> nextNumber;
    int copyKey = 0, authorKey = 0, titleKey = 0, barcode = 0;
    const QDate base(2024, 1, 1);
    for (int id = 1; id <= records; ++id) {
        const QString type = documentType(rnd);
        const QString szerzo = rnd.chance(0.93) ? personName(rnd) : QString();
        const QString tft = rnd.chance(0.5) ? (rnd.chance(0.5) ? personName(rnd) : personName(rnd) + QStringLiteral(". - ") + personName(rnd))
                                             : QString();
        const QString fc = titleText(rnd, 1 + rnd.below(4));
        const QString ac = rnd.chance(0.6) ? titleText(rnd, 2 + rnd.below(3)).toLower() : QString();
        const QString sc1 = rnd.chance(0.25) ? titleText(rnd, 2) : QString();
        const QString tartmeg = rnd.chance(0.2) ? titleText(rnd, 2) + QLatin1Char('#') + titleText(rnd, 3) : QString();
        const QString mt = rnd.chance(0.1) ? personName(rnd) : QString();
        const QString subject = type == QLatin1String("Hangzó") && rnd.chance(0.5) ? QStringLiteral("Hangoskönyv")
                                                                                      : rnd.pick(kSubjects);
        const QString place = rnd.pick(kPlaces);
        const QString year = QString::number(1950 + rnd.below(76));
        const QString mark = szerzo.isEmpty() ? fc.left(1).toUpper() : szerzo.left(1).toUpper();
        const db::Params r = {
            {"id", id}, {"doktipus", type}, {"szakj", QString::number(rnd.below(900) + 1)},
            {"raktj", mark + QString::number(10 + rnd.below(90))}, {"irmufaj", rnd.pick(kGenres)}, {"szerzo", szerzo},
            {"fc", fc}, {"ac", ac}, {"szerad", szerzo.isEmpty() ? QString() : QStringLiteral("írta ") + szerzo},
            {"kiadas", place + QStringLiteral(" : ") + rnd.pick(kPublishers)}, {"kiadev", year},
            {"nyomda", rnd.chance(0.3) ? rnd.pick(kPlaces) + QStringLiteral(" Nyomda") : QString()},
            {"ter", QString::number(40 + rnd.below(600)) + QStringLiteral(" p. ; 20 cm")}, {"sc1", sc1},
            {"isbn", QStringLiteral("963-%1-%2-%3").arg(rnd.below(90) + 10).arg(rnd.below(9000) + 1000).arg(rnd.below(10))},
            {"ar", 500 + rnd.below(60) * 100}, {"eto", QStringLiteral("894.511-%1").arg(rnd.below(9) + 1)},
            {"tft", tft}, {"tszo", subject}, {"nyelv", rnd.pick(kLanguages)}, {"mt", mt}, {"tartmeg", tartmeg},
            {"rdatum", base.addDays(-rnd.below(3650))}};
        record.exec(r);
        for (const QString& a : authorEntries({szerzo, tft, mt, QString()}))
            author.exec({{"s", ++authorKey}, {"t", type}, {"id", id}, {"v", a}});
        for (const QString& t : titleEntries({fc, ac, QString(), QString(), sc1, QString(), tartmeg, QString()}))
            title.exec({{"s", ++titleKey}, {"t", type}, {"id", id}, {"v", t}});
        const int copies = rnd.chance(0.55) ? 1 : (rnd.chance(0.8) ? 2 : 3);
        for (int c = 0; c < copies; ++c) {
            const QString location = rnd.pick(kLocations);
            const int number = ++nextNumber[type];
            copy.exec({{"sorszam", ++copyKey}, {"id", id}, {"vonalkod", QStringLiteral("K%1").arg(++barcode, 7, 10, QLatin1Char('0'))},
                       {"lbetu", QString()}, {"lszam", number}, {"lhely", location},
                       {"statusz", rnd.chance(0.03) ? QStringLiteral("Selejtezve") : QStringLiteral("3 hét")},
                       {"beszdatum", year.toInt() < 1990 ? QStringLiteral("1990") : year},
                       {"tulaj", rnd.chance(0.97) ? kLibraryCode : QStringLiteral("MASIK")}, {"doktipus", type},
                       {"kat", location.startsWith(QLatin1String("Gyerek")) ? QStringLiteral("Ifjúsági") : QString()},
                       {"rdatum", base.addDays(-rnd.below(3650))}});
        }
        if (progress && id % 5000 == 0) progress(id);
    }
    tx.commit();
}

} // namespace kodrix
