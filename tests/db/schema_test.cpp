// The schema holds every table and column the program reads or writes, with fitting types,
// keys and indexes; upgrades add to a database without losing its rows.
#include "main_database.h"
#include "schema.h"
#include "test_database.h"

#include <QFile>
#include <QMap>

using namespace kodrix;
using namespace kodrix::db;

namespace {

// name:kind, kind i integer, n decimal, d date, b boolean, f one-character flag, t text.
// Flags are varchar(1): a UTF8 char(1) comes back padded to its four bytes.
const QList<QPair<QString, QString>> kExpected = {
    {"konyv", "id:i doktipus:t szakj:t raktj:t irmufaj:t szerzo:t szemtest:f kiegadat:t fc:t ac:t pc:t pac:t szerad:t kiadjel:t kiadas:t kiadev:t nyomda:t ter:t sc1:t issn:t sc2:t sorszam:t megj:t tartmeg:t isbn:t kotes:t ar:n pnem:t tmt:t kotet:t eto:t tft:t tszo:t nyelv:t mt:t utalo:t kvtaros1:t rdatum:d kvtaros2:t mdatum:d"},
    {"kpld", "sorszam:i id:i vonalkod:t lbetu:t lszam:i lszam2:i kotszam:t lhely:t statusz:t rendszam:t uk:t beszhely:t beszmod:t gynyt:t tnyt:t szlaszam:t beszdatum:t alldatum:t tulaj:t megj:t nemz:b filename:t doktipus:t kvtaros1:t rdatum:d kvtaros2:t mdatum:d kat:t telepules:t"},
    {"kszerzo", "sorszam:i doktipus:t id:i szerzo:t"},
    {"kcim", "sorszam:i doktipus:t id:i cim:t"},
    {"kv_an", "id:i konyvid:i doktipus:t szerzo:t fc:t ac:t pc:t pac:t szerad:t sc:t ter:t hossz:t megj:t ann:t tmt:t eto:t tft:t tszo:t nyelv:t mt:t utalo:t kvtaros:t rdatum:d kvtaros2:t mdatum:d"},
    {"szerzok", "id:i szerzo:t testuleti:t"},
    {"kiadok", "id:i doktipus:t kiado:t"},
    {"mufaj", "id:i doktipus:t mufaj:t"},
    {"targyszo", "id:i doktipus:t targyszo:t szinonima:t"},
    {"abc", "id:i betu:t kod:t"},
    {"cutter", "id:i betu:t kod:t kod2:t"},
    {"olvaso", "id:i nyilvszam:i vonalkod:t nev:t szhely:t szulido:d neme:t anev:t lnev:t allvaros:t allcim:t allirsz:t idvaros:t idcim:t idirsz:t tel:t email:t regdatum:d beirdatum:d kat:t fogl:t mhely:t oszt1:i oszt2:t jotallo:t megj:t reszleg:t keskod:i fkap:f fogy:f tartozas:t av:b avbeir:t hirlevel:f kvtaros:t id3:t felszdatum:d"},
    {"kolcson", "id:i olvid:i vonalkod:t statusz:t kolcsdatum:d lejardatum:d doktipus:t szerzo:t cim:t kotet:t lszam:i elteve:f kvtaros:t"},
    {"kolcsdok", "id:i olvid:i olvkat:t datum:d doktipus:t dokvkod:t lszam:i kat:t szerzo:t cim:t kh:t"},
    {"elojegyz", "id:i olvid:i szerzo:t cim:t alcim:t kotet:t doktipus:t megj:t datum:d vissza:t"},
    {"felszolito", "id:i email:t felsz1:t felsz2:t kuldve:t"},
    {"internet", "id:i datum:d ido:t olvid:i olvkat:t gepszam:t idotartam:t"},
    {"postakonyv", "id:i nev:t irszam:t telepules:t suly:t"},
    {"olvkat", "id:i katnev:t tagdij:i kolcsdok:i fkap:f"},
    {"foglalk", "id:i foglalk:t"},
    {"munkahely", "id:i munkahely:t"},
    {"irszam", "id:i helyseg:t irszam:t orszag:t"},
    {"periodika", "id:i nyilvkod:t nyilvszam:i fc:t ac:t melleklap:t elozmeny:t folyt:t pc:t pac:t szerk:t kiadjel:t szam:t testulet:t kiadas:t kiado:t ter:t kiadev:t indev:t megszun:t gyujtvege:t megj:t sc:t issn:t tszo:t eto:t szer:t elofizar:n pnem:t per:t utalo:t beszerzes:t nyelv:t orszag:t hordozo:t szallito:t szlaszam:t kvtaros1:t rdatum:d kvtaros2:t mdatum:d kat:t tmt:t"},
    {"pcim", "sorszam:i id:i cim:t"},
    {"pszerzo", "id:i szerzo:t"},
    {"pelofiz", "id:i ujsagid:i lhely:t statusz:t megorzes:t orzdatum:t"},
    {"pcardex", "id:i ujsagid:i elofizid:i ev:i evfolyam:t szam:t szam1:i ar:n pnem:t vonalkod:t elldatum:d lbetu:t lszam1:i lszam2:i megj:t kvtaros:t datum:d"},
    {"cikk", "id:i ujsagid:i ccim:t cac:t szerzo:t alnev:t ujsagcim:t issn:t szam:t ev:i ter:t tft:t annotacio:t nyelv:t megj:t tszo:t lhely:t tartalom:t filenev:t kvtaros1:t rdatum:d kvtaros2:t mdatum:d"},
    {"cszerzo", "id:i szerzo:t"},
    {"perkiadas", "id:i datum:d sorszam:t szallito:t szlaszam:t ar:n ev:i"},
    {"ceg", "id:i cegnev:t cim:t nev:t tel:t fax:t email:t adoszam:t szlaszam:t megj:t"},
    {"selejtj", "id:i jegyzek:t sorszam:t doktipus:t lbetu:t lszam:i lszam2:i kpld:i szerzo:t cim:t db:i ar:n pnem:t szakj:t raktj:t lhely:t kotszam:t torles:t lezart:t kat:t doboz:t"},
    {"alell", "id:i vonalkod:t kvtaros:t datum:d"},
    {"csoplkvgy", "id:i ev:i nev:t sorszam:t kelet:d beszmod:t jegyzek:t doktipus:t db:i vetel:i ajandek:i egyeb:i szak:i szepir:i ifj:i nemz:i helyism:i ar:n pnem:t tetelsz:t"},
    {"csoplkvt", "id:i ev:i nev:t sorszam:t kelet:d tjegyzek:t doktipus:t db:i elhaszn:i elavulas:i folospld:i elveszett:i alellhiany:i vismajor:i szak:i szepir:i ifj:i nemz:i helyism:i ar:n pnem:t tetelsz:t"},
    {"csoplkvossz", "id:i ev:i nev:t megn:t doktipus:t db:i szak:i szepir:i ifj:i nemz:i helyism:i ar:n pnem:t"},
    {"rkonyv", "id:i nyilvszam:i jelzet:t szerzo:t fc:t ac:t pc:t pac:t ecim:t szerad:t kiadjel:t kiadas:t kiado:t nyomda:t nyomdasz:t kiadev1:t kiadev2:t ter:t sorozat:t sorszam:t tartalom:t nyelv:t posesor:t exlibris:t pecset:t kotes:t kotet:t coll:t targy:t eszerz:t ekiadas:t ekiado:t enyomda:t enyomdasz:t epos:t elib:t epecs:t megj:t hiv:t kvtaros1:t rdatum:d kvtaros2:t mdatum:d"},
    {"rkvpld", "sorszam:i id:i vonalkod:t lbetu:t lszam:i lszam2:i lhely:t statusz:t kotszam:t megj:t alldatum:t tulaj:t beszerzes:t gynyt:t kvtaros1:t rdatum:d kvtaros2:t mdatum:d"},
    {"rcim", "sorszam:i id:i cim:t"},
    {"konyvtar", "id:i kvtnev:t kvtkod:t email:t kolcsdatum:d kes:f kesdij:n pnem:t alell:t felsz1:t felsz2:t felsz3:t smtphost:t smtpport:i felhaszn:t jelszo:t olvemail:d telepules:t cim:t tel:t kvtcim:t irszam:t"},
    {"kvtaros", "id:i nev:t kod:t beoszt:t jogkod:t jelszo:t cim:t tel:t email:t kat:b"},
    {"lhely", "id:i lhely:t"},
    {"kvtarkod", "id:i kvtarkod:t"},
    {"keresstat", "id:i datum:d keresolv:i kerkt:i"},
    {"desid", "id:i doktipus:t szerzo:t cim:t kiado:t kiadev:t beszhely:t megj:t datum:d lhely:t statusz:t db:i ar:n kvtaros:t arhiv:f"},
    {"beszhely", "id:i beszhely:t"},
    {"reszleg", "reszleg:t"},
    {"evfordulo", "id:i kategoria:t nev:t ev:t ho:t nap:t leiras:t kepfile:t forras:t"},
    {"kiadas", "id:i datum:d sorszam:t szallito:t szlaszam:t konyv:i av:i mmedia:i hangzo:i ekonyv:i ossz:i akonyv:i aav:i ammedia:i ahangzo:i aekonyv:i gynyt:t"},
    {"kvkozi", "id:i datum:d beerk:t kulder:t kuldnyomt:t kuldeforma:t kaper:t kapnyomt:t kapeforma:t odr:t"},
    {"latogato", "id:i datum:d kor:t nev:t tema:t kvtaros:t letszam:t lszam1:i lszam2:i lszam3:i lszam4:i lszam5:i lszam6:i reszleg:t"},
    {"programok", "id:i datum:d tipus:t tematika:t celcsop:t eloado:t cim:t szervezo:t gyerek:i felnott:i ugyeletes:t"},
    {"kepzes", "id:i datum:d akkr:t celcsop:t eloado:t cim:t szervezo:t gyerek:i felnott:i ugyeletes:t"},
    {"tavhaszn", "id:i datum:d tel:t net:t refk:t tav:t helybengy:t helybenf:t"},
};

// Firebird's field type codes, as kinds.
QChar kindOf(int type, int subType, int scale) {
    switch (type) {
    case 8:  // integer
    case 7:  // smallint
    case 16: // bigint / numeric
        return scale < 0 ? QLatin1Char('n') : QLatin1Char('i');
    case 12: return QLatin1Char('d');
    case 23: return QLatin1Char('b');
    case 14: return QLatin1Char('c');  // char
    case 37: return QLatin1Char('t');  // varchar
    case 261: return subType == 1 ? QLatin1Char('t') : QLatin1Char('?');
    default: return QLatin1Char('?');
    }
}

class SchemaTest : public test::DbTest {
protected:
    // column -> (kind, character length)
    QMap<QString, QPair<QChar, int>> columnsOf(const QString& table) {
        QMap<QString, QPair<QChar, int>> out;
        const Rows rows = db.select(QStringLiteral(
            "select trim(rf.rdb$field_name) as name, f.rdb$field_type as type, "
            "f.rdb$field_sub_type as subtype, f.rdb$field_scale as scale, "
            "f.rdb$character_length as len "
            "from rdb$relation_fields rf join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
            "where rf.rdb$relation_name = :t"),
            {{QStringLiteral("t"), table.toUpper()}});
        for (const Row& r : rows)
            out.insert(r.text("name").toLower(),
                       {kindOf(r.toInt("type"), r.toInt("subtype"), r.toInt("scale")), r.toInt("len")});
        return out;
    }
};

TEST_F(SchemaTest, EveryTableHasEveryColumnWithAFittingType) {
    for (const auto& [table, connection] : kExpected) {
        const auto actual = columnsOf(table);
        ASSERT_FALSE(actual.isEmpty()) << "missing table " << table.toStdString();
        for (const QString& item : connection.split(QLatin1Char(' '))) {
            const QString column = item.section(QLatin1Char(':'), 0, 0);
            const QChar kind = item.section(QLatin1Char(':'), 1, 1).at(0);
            ASSERT_TRUE(actual.contains(column)) << table.toStdString() << "." << column.toStdString();
            const QChar got = actual.value(column).first;
            const std::string where = (table + QLatin1Char('.') + column).toStdString();
            if (kind == QLatin1Char('f')) {
                EXPECT_EQ(got, QLatin1Char('t')) << where;
                EXPECT_EQ(actual.value(column).second, 1) << where;
            } else if (kind == QLatin1Char('t')) {
                EXPECT_TRUE(got == QLatin1Char('t') || got == QLatin1Char('c')) << where;
            } else {
                EXPECT_EQ(got, kind) << where;
            }
        }
    }
}

TEST_F(SchemaTest, TextWidthsHoldWhatTheWindowsWriteAndStayModest) {
    const auto kvtaros = columnsOf(QStringLiteral("kvtaros"));
    EXPECT_GE(kvtaros.value(QStringLiteral("nev")).second, 40);
    EXPECT_GE(kvtaros.value(QStringLiteral("kod")).second, 12);
    EXPECT_GE(kvtaros.value(QStringLiteral("jelszo")).second, 12);
    EXPECT_GE(columnsOf(QStringLiteral("konyv")).value(QStringLiteral("doktipus")).second, 15);
    EXPECT_GE(columnsOf(QStringLiteral("kszerzo")).value(QStringLiteral("szerzo")).second, 40);
    EXPECT_GE(columnsOf(QStringLiteral("konyvtar")).value(QStringLiteral("kvtnev")).second, 90);
    // Index rows take the title proper and the main heading whole.
    EXPECT_GE(columnsOf(QStringLiteral("kcim")).value(QStringLiteral("cim")).second,
              columnsOf(QStringLiteral("konyv")).value(QStringLiteral("fc")).second);
    EXPECT_GE(columnsOf(QStringLiteral("kszerzo")).value(QStringLiteral("szerzo")).second,
              columnsOf(QStringLiteral("konyv")).value(QStringLiteral("szerzo")).second);
}

TEST_F(SchemaTest, KeysArePrimaryAndSearchColumnsAreIndexed) {
    const Rows keys = db.select(QStringLiteral(
        "select trim(rc.rdb$relation_name) as t, trim(s.rdb$field_name) as c "
        "from rdb$relation_constraints rc join rdb$index_segments s on s.rdb$index_name = rc.rdb$index_name "
        "where rc.rdb$constraint_type = 'PRIMARY KEY'"));
    QSet<QString> pk;
    for (const Row& r : keys) pk.insert(r.text("t").toLower() + QLatin1Char('.') + r.text("c").toLower());
    for (const QString& k : {"konyv.id", "kpld.sorszam", "kszerzo.sorszam", "kcim.sorszam", "olvaso.id",
                             "kolcson.id", "kvtaros.id", "ceg.id", "beszhely.id", "rkvpld.sorszam"})
        EXPECT_TRUE(pk.contains(k)) << k.toStdString();

    const Rows idx = db.select(QStringLiteral(
        "select trim(i.rdb$relation_name) as t, coalesce(trim(s.rdb$field_name), "
        "cast(i.rdb$expression_source as varchar(200))) as c "
        "from rdb$indices i left join rdb$index_segments s on s.rdb$index_name = i.rdb$index_name"));
    QSet<QString> indexed;
    for (const Row& r : idx)
        indexed.insert(r.text("t").toLower() + QLatin1Char('.') + r.text("c").toLower().remove(QLatin1Char(' ')));
    for (const QString& c : {"kpld.vonalkod", "kpld.lszam", "kpld.id", "kszerzo.id", "kcim.id",
                             "olvaso.vonalkod", "kolcson.vonalkod", "kolcson.olvid", "kolcsdok.olvid",
                             "kv_an.konyvid", "kszerzo.(lower(szerzo))", "kcim.(lower(cim))",
                             "konyv.(lower(fc))"})
        EXPECT_TRUE(indexed.contains(c)) << c.toStdString();
}

TEST_F(SchemaTest, NewDatabaseIsAtTheLatestVersionWithItsReferenceLists) {
    EXPECT_EQ(schemaVersion(db), latestSchemaVersion());
    EXPECT_EQ(db.scalar(QStringLiteral("select list(reszleg, ',') from reszleg")).toString(),
              QStringLiteral("Felnőtt,Gyerek"));
}

TEST_F(SchemaTest, UpgradeAddsLaterStepsAndKeepsRows) {
    db.close();
    const QString file = test::scratchDir() + QStringLiteral("/upgrade.fdb");
    QFile::remove(file);
    Database::createFile(file);
    ConnectionSpec connection;
    connection.database = file;
    db.open(connection);
    upgradeSchema(db, 1);
    ASSERT_EQ(schemaVersion(db), 1);
    db.exec(QStringLiteral("insert into konyv (id, fc) values (1, 'Megmarad')"));
    db.close();

    // A later start runs the missing steps, once.
    EXPECT_FALSE(openMainDatabase(db, connection, true));
    EXPECT_EQ(schemaVersion(db), latestSchemaVersion());
    EXPECT_EQ(db.scalar(QStringLiteral("select fc from konyv where id = 1")).toString(),
              QStringLiteral("Megmarad"));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from reszleg")).toInt(), 2);
    db.close();
    openMainDatabase(db, connection, true);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from reszleg")).toInt(), 2);
}

} // namespace
