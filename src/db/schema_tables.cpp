// The tables of the main database as first created.
//
// Widths are in characters. The database is UTF8, which reserves four bytes per declared
// character in every sort record, so text columns are as wide as the values the windows write
// and no wider. Free text that can grow long (notes, contents, multi-valued added entries) is
// BLOB text: it costs nothing in sorts and LIKE still works on it. Columns that the catalogue
// search returns for every hit (kotet, mt) stay VARCHAR: each BLOB is a read of its own.
#include "schema_tables.h"

namespace kodrix::db {

namespace {

// Shorthands keep the definitions readable as a table.
#define T(n) "varchar(" #n ")"
#define MEMO "blob sub_type text"
#define DOKT "varchar(20)"  // document type: "Könyv analitika" is the longest value
#define KVT "varchar(40)"   // a librarian's name as stamped into rows
#define PRICE "numeric(15,2)"
#define PNEM "varchar(10)"
#define FLAG "varchar(1)"

const std::vector<TableDef> kTables = {
    // Catalogue
    {"konyv", "id",
     "id integer not null, doktipus " DOKT ", szakj " T(60) ", raktj " T(40) ", irmufaj " T(60)
     ", szerzo " T(200) ", szemtest " FLAG ", kiegadat " T(100) ", fc " T(250) ", ac " T(250)
     ", pc " T(250) ", pac " T(250) ", szerad " T(250) ", kiadjel " T(100) ", kiadas " T(200)
     ", kiadev " T(20) ", nyomda " T(150) ", ter " T(150) ", sc1 " T(200) ", issn " T(40)
     ", sc2 " T(200) ", sorszam " T(30) ", megj " MEMO ", tartmeg " MEMO ", isbn " T(60)
     ", kotes " T(60) ", ar " PRICE ", pnem " PNEM ", tmt " T(500) ", kotet " T(500)
     ", eto " T(200) ", tft " MEMO ", tszo " T(500) ", nyelv " T(40) ", mt " T(1000)
     ", utalo " MEMO ", kvtaros1 " KVT ", rdatum date, kvtaros2 " KVT ", mdatum date"},
    {"kpld", "sorszam",
     "sorszam integer not null, id integer, vonalkod " T(30) ", lbetu " T(6) ", lszam integer"
     ", lszam2 integer, kotszam " T(30) ", lhely " T(60) ", statusz " T(30) ", rendszam " T(30)
     ", uk " T(30) ", beszhely " T(100) ", beszmod " T(30) ", gynyt " T(30) ", tnyt " T(30)
     ", szlaszam " T(40) ", beszdatum " T(10) ", alldatum " T(10) ", tulaj " T(20)
     ", megj " T(500) ", nemz boolean, filename " T(250) ", doktipus " DOKT ", kat " T(30)
     ", telepules " T(60) ", kvtaros1 " KVT ", rdatum date, kvtaros2 " KVT ", mdatum date"},
    {"kszerzo", "sorszam",
     "sorszam integer not null, doktipus " DOKT ", id integer, szerzo " T(200)},
    {"kcim", "sorszam", "sorszam integer not null, doktipus " DOKT ", id integer, cim " T(250)},
    {"kv_an", "id",
     "id integer not null, konyvid integer, doktipus " DOKT ", szerzo " T(200) ", fc " T(250)
     ", ac " T(250) ", pc " T(250) ", pac " T(250) ", szerad " T(250) ", sc " T(200)
     ", ter " T(150) ", hossz " T(60) ", megj " MEMO ", ann " MEMO ", tmt " T(500)
     ", eto " T(200) ", tft " MEMO ", tszo " T(500) ", nyelv " T(40) ", mt " MEMO
     ", utalo " MEMO ", kvtaros " KVT ", rdatum date, kvtaros2 " KVT ", mdatum date"},
    {"szerzok", "id", "id integer not null, szerzo " T(200) ", testuleti " T(20)},
    {"kiadok", "id", "id integer not null, doktipus " DOKT ", kiado " T(100)},
    {"mufaj", "id", "id integer not null, doktipus " DOKT ", mufaj " T(60)},
    {"targyszo", "id",
     "id integer not null, doktipus " DOKT ", targyszo " T(100) ", szinonima " T(100)},
    {"abc", "id", "id integer not null, betu " T(4) ", kod " T(8)},
    {"cutter", "id", "id integer not null, betu " T(24) ", kod " T(12) ", kod2 " T(48)},

    // Circulation
    {"olvaso", "id",
     "id integer not null, nyilvszam integer, vonalkod " T(20) ", nev " T(100) ", szhely " T(60)
     ", szulido date, neme " T(10) ", anev " T(100) ", lnev " T(100) ", allvaros " T(60)
     ", allcim " T(100) ", allirsz " T(10) ", idvaros " T(60) ", idcim " T(100)
     ", idirsz " T(10) ", tel " T(40) ", email " T(80) ", regdatum date, beirdatum date"
     ", kat " T(40) ", fogl " T(60) ", mhely " T(100) ", oszt1 integer, oszt2 " T(10)
     ", jotallo " T(100) ", megj " T(500) ", reszleg " T(40) ", keskod integer, fkap " FLAG
     ", fogy " FLAG ", tartozas " T(40) ", av boolean, avbeir " T(20) ", hirlevel " FLAG
     ", kvtaros " KVT ", id3 " T(30) ", felszdatum date"},
    {"kolcson", "id",
     "id integer not null, olvid integer, vonalkod " T(30) ", statusz " T(30)
     ", kolcsdatum date, lejardatum date, doktipus " DOKT ", szerzo " T(200) ", cim " T(250)
     ", kotet " T(100) ", lszam integer, elteve " FLAG ", kvtaros " KVT},
    {"kolcsdok", "id",
     "id integer not null, olvid integer, olvkat " T(4) ", datum date, doktipus " DOKT
     ", dokvkod " T(30) ", lszam integer, kat " T(30) ", szerzo " T(200) ", cim " T(250)
     ", kh " FLAG},
    {"elojegyz", "id",
     "id integer not null, olvid integer, szerzo " T(200) ", cim " T(250) ", alcim " T(250)
     ", kotet " T(100) ", doktipus " DOKT ", megj " T(500) ", datum date, vissza " T(20)},
    {"felszolito", "id",
     "id integer not null, email " T(80) ", felsz1 " MEMO ", felsz2 " MEMO ", kuldve " T(20)},
    {"internet", "id",
     "id integer not null, datum date, ido " T(10) ", olvid integer, olvkat " T(4)
     ", gepszam " T(10) ", idotartam " T(10)},
    {"postakonyv", "id",
     "id integer not null, nev " T(100) ", irszam " T(10) ", telepules " T(60) ", suly " T(20)},
    {"olvkat", "id",
     "id integer not null, katnev " T(40) ", tagdij integer, kolcsdok integer, fkap " FLAG},
    {"foglalk", "id", "id integer not null, foglalk " T(60)},
    {"munkahely", "id", "id integer not null, munkahely " T(100)},
    {"irszam", "id",
     "id integer not null, helyseg " T(60) ", irszam " T(10) ", orszag " T(40)},

    // Periodicals
    {"periodika", "id",
     "id integer not null, nyilvkod " T(20) ", nyilvszam integer, fc " T(250) ", ac " T(250)
     ", melleklap " T(250) ", elozmeny " T(250) ", folyt " T(250) ", pc " T(250)
     ", pac " T(250) ", szerk " T(250) ", kiadjel " T(100) ", szam " T(100)
     ", testulet " T(200) ", kiadas " T(200) ", kiado " T(150) ", ter " T(150)
     ", kiadev " T(20) ", indev " T(20) ", megszun " T(20) ", gyujtvege " T(20)
     ", megj " MEMO ", sc " T(200) ", issn " T(40) ", tszo " T(500) ", eto " T(200)
     ", szer " T(250) ", elofizar " PRICE ", pnem " PNEM ", per " T(40) ", utalo " MEMO
     ", beszerzes " T(60) ", nyelv " T(40) ", orszag " T(40) ", hordozo " T(40)
     ", szallito " T(150) ", szlaszam " T(40) ", kat " T(30) ", tmt " T(500)
     ", kvtaros1 " KVT ", rdatum date, kvtaros2 " KVT ", mdatum date"},
    {"pcim", "sorszam", "sorszam integer not null, id integer, cim " T(100)},
    {"pszerzo", "", "id integer, szerzo " T(100)},
    {"pelofiz", "id",
     "id integer not null, ujsagid integer, lhely " T(60) ", statusz " T(30)
     ", megorzes " T(40) ", orzdatum " T(20)},
    {"pcardex", "id",
     "id integer not null, ujsagid integer, elofizid integer, ev integer, evfolyam " T(20)
     ", szam " T(20) ", szam1 integer, ar " PRICE ", pnem " PNEM ", vonalkod " T(30)
     ", elldatum date, lbetu " T(6) ", lszam1 integer, lszam2 integer, megj " T(500)
     ", kvtaros " KVT ", datum date"},
    {"cikk", "id",
     "id integer not null, ujsagid integer, ccim " T(250) ", cac " T(250) ", szerzo " T(200)
     ", alnev " T(100) ", ujsagcim " T(250) ", issn " T(40) ", szam " T(20) ", ev integer"
     ", ter " T(60) ", tft " MEMO ", annotacio " MEMO ", nyelv " T(40) ", megj " MEMO
     ", tszo " T(500) ", lhely " T(60) ", tartalom " MEMO ", filenev " T(250)
     ", kvtaros1 " KVT ", rdatum date, kvtaros2 " KVT ", mdatum date"},
    {"cszerzo", "", "id integer, szerzo " T(100)},
    {"perkiadas", "id",
     "id integer not null, datum date, sorszam " T(20) ", szallito " T(150)
     ", szlaszam " T(40) ", ar " PRICE ", ev integer"},
    {"ceg", "id",
     "id integer not null, cegnev " T(150) ", cim " T(150) ", nev " T(100) ", tel " T(40)
     ", fax " T(40) ", email " T(80) ", adoszam " T(30) ", szlaszam " T(40) ", megj " T(500)},

    // Stock
    {"selejtj", "id",
     "id integer not null, jegyzek " T(20) ", sorszam " T(20) ", doktipus " DOKT
     ", lbetu " T(6) ", lszam integer, lszam2 integer, kpld integer, szerzo " T(200)
     ", cim " T(250) ", db integer, ar " PRICE ", pnem " PNEM ", szakj " T(60)
     ", raktj " T(40) ", lhely " T(60) ", kotszam " T(30) ", torles " T(40)
     ", lezart " T(10) ", kat " T(30) ", doboz " T(20)},
    {"alell", "id", "id integer not null, vonalkod " T(30) ", kvtaros " KVT ", datum date"},
    {"csoplkvgy", "id",
     "id integer not null, ev integer, nev " T(100) ", sorszam " T(20) ", kelet date"
     ", beszmod " T(30) ", jegyzek " T(40) ", doktipus " DOKT ", db integer, vetel integer"
     ", ajandek integer, egyeb integer, szak integer, szepir integer, ifj integer"
     ", nemz integer, helyism integer, ar " PRICE ", pnem " PNEM ", tetelsz " T(40)},
    {"csoplkvt", "id",
     "id integer not null, ev integer, nev " T(100) ", sorszam " T(20) ", kelet date"
     ", tjegyzek " T(40) ", doktipus " DOKT ", db integer, elhaszn integer, elavulas integer"
     ", folospld integer, elveszett integer, alellhiany integer, vismajor integer"
     ", szak integer, szepir integer, ifj integer, nemz integer, helyism integer, ar " PRICE
     ", pnem " PNEM ", tetelsz " T(40)},
    {"csoplkvossz", "id",
     "id integer not null, ev integer, nev " T(100) ", megn " T(100) ", doktipus " DOKT
     ", db integer, szak integer, szepir integer, ifj integer, nemz integer"
     ", helyism integer, ar " PRICE ", pnem " PNEM},

    // Old books
    {"rkonyv", "id",
     "id integer not null, nyilvszam integer, jelzet " T(60) ", szerzo " T(200) ", fc " T(250)
     ", ac " T(250) ", pc " T(250) ", pac " T(250) ", ecim " T(250) ", szerad " T(250)
     ", kiadjel " T(100) ", kiadas " T(200) ", kiado " T(150) ", nyomda " T(150)
     ", nyomdasz " T(150) ", kiadev1 " T(20) ", kiadev2 " T(20) ", ter " T(150)
     ", sorozat " T(200) ", sorszam " T(30) ", tartalom " MEMO ", nyelv " T(40)
     ", posesor " MEMO ", exlibris " T(250) ", pecset " T(250) ", kotes " T(250)
     ", kotet " T(100) ", coll " T(250) ", targy " T(500) ", eszerz " T(250)
     ", ekiadas " T(250) ", ekiado " T(250) ", enyomda " T(250) ", enyomdasz " T(250)
     ", epos " T(250) ", elib " T(250) ", epecs " T(250) ", megj " MEMO ", hiv " MEMO
     ", kvtaros1 " KVT ", rdatum date, kvtaros2 " KVT ", mdatum date"},
    {"rkvpld", "sorszam",
     "sorszam integer not null, id integer, vonalkod " T(30) ", lbetu " T(6) ", lszam integer"
     ", lszam2 integer, lhely " T(60) ", statusz " T(30) ", kotszam " T(30) ", megj " T(500)
     ", alldatum " T(10) ", tulaj " T(20) ", beszerzes " T(100) ", gynyt " T(30)
     ", kvtaros1 " KVT ", rdatum date, kvtaros2 " KVT ", mdatum date"},
    {"rcim", "sorszam", "sorszam integer not null, id integer, cim " T(100)},

    // Registers, settings and administration
    {"konyvtar", "id",
     "id integer not null, kvtnev " T(90) ", kvtkod " T(11) ", email " T(80)
     ", kolcsdatum date, kes " FLAG ", kesdij " PRICE ", pnem " PNEM ", alell " T(10)
     ", felsz1 " MEMO ", felsz2 " MEMO ", felsz3 " MEMO ", smtphost " T(100)
     ", smtpport integer, felhaszn " T(100) ", jelszo " T(100) ", olvemail date"
     ", telepules " T(40) ", cim " T(100) ", tel " T(40) ", kvtcim " T(100)
     ", irszam " T(10)},
    {"kvtaros", "id",
     "id integer not null, nev " T(40) ", kod " T(12) ", beoszt " T(60) ", jogkod " T(5)
     ", jelszo " T(12) ", cim " T(100) ", tel " T(40) ", email " T(80) ", kat boolean"},
    {"lhely", "id", "id integer not null, lhely " T(60)},
    {"kvtarkod", "id", "id integer not null, kvtarkod " T(20)},
    {"keresstat", "id", "id integer not null, datum date, keresolv integer, kerkt integer"},
    {"desid", "id",
     "id integer not null, doktipus " DOKT ", szerzo " T(200) ", cim " T(250) ", kiado " T(150)
     ", kiadev " T(20) ", beszhely " T(100) ", megj " T(500) ", datum date, lhely " T(60)
     ", statusz " T(30) ", db integer, ar " PRICE ", kvtaros " KVT ", arhiv " FLAG},
    {"beszhely", "id", "id integer not null, beszhely " T(100)},
    {"reszleg", "id", "id integer not null, reszleg " T(40)},
    {"evfordulo", "id",
     "id integer not null, kategoria " T(60) ", nev " T(200) ", ev " T(10) ", ho " T(10)
     ", nap " T(10) ", leiras " MEMO ", kepfile " T(250) ", forras " T(250)},
    {"kiadas", "id",
     "id integer not null, datum date, sorszam " T(20) ", szallito " T(150)
     ", szlaszam " T(40) ", konyv integer, av integer, mmedia integer, hangzo integer"
     ", ekonyv integer, ossz integer, akonyv integer, aav integer, ammedia integer"
     ", ahangzo integer, aekonyv integer, gynyt " T(30)},
    {"kvkozi", "id",
     "id integer not null, datum date, beerk " T(10) ", kulder " T(10) ", kuldnyomt " T(10)
     ", kuldeforma " T(10) ", kaper " T(10) ", kapnyomt " T(10) ", kapeforma " T(10)
     ", odr " T(10)},
    {"latogato", "id",
     "id integer not null, datum date, kor " T(20) ", nev " T(100) ", tema " T(200)
     ", kvtaros " KVT ", letszam " T(10) ", lszam1 integer, lszam2 integer, lszam3 integer"
     ", lszam4 integer, lszam5 integer, lszam6 integer, reszleg " T(40)},
    {"programok", "id",
     "id integer not null, datum date, tipus " T(60) ", tematika " T(200) ", celcsop " T(100)
     ", eloado " T(200) ", cim " T(250) ", szervezo " T(200) ", gyerek integer"
     ", felnott integer, ugyeletes " KVT},
    {"kepzes", "id",
     "id integer not null, datum date, akkr " T(60) ", celcsop " T(100) ", eloado " T(200)
     ", cim " T(250) ", szervezo " T(200) ", gyerek integer, felnott integer"
     ", ugyeletes " KVT},
    {"tavhaszn", "id",
     "id integer not null, datum date, tel " T(10) ", net " T(10) ", refk " T(10)
     ", tav " T(10) ", helybengy " T(10) ", helybenf " T(10)},
};

// Indexes for the columns that searches, lending and joins use. Expression indexes on
// lower(...) serve the prefix searches ("starting with" on the lower-cased column).
const std::vector<IndexDef> kIndexes = {
    {"konyv", "doktipus"},
    {"konyv", "lower(szerzo)"},
    {"konyv", "lower(fc)"},
    {"konyv", "lower(kiadas)"},
    {"konyv", "lower(nyomda)"},
    {"konyv", "lower(isbn)"},
    {"konyv", "lower(issn)"},
    {"konyv", "eto"},
    {"konyv", "lower(nyelv)"},
    {"konyv", "kiadev"},
    {"konyv", "irmufaj"},
    {"kpld", "id"},
    {"kpld", "vonalkod"},
    {"kpld", "lszam"},
    {"kpld", "desc lszam"},
    {"kpld", "lhely"},
    {"kpld", "doktipus"},
    {"kpld", "gynyt"},
    {"kszerzo", "id"},
    {"kszerzo", "lower(szerzo)"},
    {"kcim", "id"},
    {"kcim", "lower(cim)"},
    {"kv_an", "konyvid"},
    {"szerzok", "lower(szerzo)"},
    {"kiadok", "kiado"},
    {"mufaj", "mufaj"},
    {"targyszo", "targyszo"},
    {"targyszo", "lower(szinonima)"},
    {"abc", "betu"},
    {"cutter", "kod2"},
    {"olvaso", "vonalkod"},
    {"olvaso", "nyilvszam"},
    {"olvaso", "lower(nev)"},
    {"olvaso", "email"},
    {"kolcson", "olvid"},
    {"kolcson", "vonalkod"},
    {"kolcson", "lejardatum"},
    {"kolcsdok", "olvid"},
    {"kolcsdok", "datum"},
    {"kolcsdok", "dokvkod"},
    {"elojegyz", "olvid"},
    {"elojegyz", "lower(cim)"},
    {"internet", "datum"},
    {"irszam", "helyseg"},
    {"periodika", "lower(fc)"},
    {"pcim", "id"},
    {"pcim", "lower(cim)"},
    {"pszerzo", "id"},
    {"pszerzo", "lower(szerzo)"},
    {"pelofiz", "ujsagid"},
    {"pcardex", "ujsagid"},
    {"pcardex", "elofizid"},
    {"pcardex", "vonalkod"},
    {"cikk", "ujsagid"},
    {"cikk", "lower(ccim)"},
    {"cszerzo", "id"},
    {"cszerzo", "lower(szerzo)"},
    {"perkiadas", "datum"},
    {"selejtj", "jegyzek"},
    {"selejtj", "kpld"},
    {"alell", "vonalkod"},
    {"csoplkvgy", "ev"},
    {"csoplkvt", "ev"},
    {"rkvpld", "id"},
    {"rkvpld", "vonalkod"},
    {"rkvpld", "lszam"},
    {"rcim", "id"},
    {"rcim", "lower(cim)"},
    {"rkonyv", "lower(szerzo)"},
    {"rkonyv", "lower(fc)"},
    {"kvtaros", "kod"},
    {"keresstat", "datum"},
    {"desid", "lower(szerzo)"},
    {"kiadas", "datum"},
    {"kvkozi", "datum"},
    {"latogato", "datum"},
    {"programok", "datum"},
    {"kepzes", "datum"},
    {"tavhaszn", "datum"},
};

#undef T
#undef MEMO
#undef DOKT
#undef KVT
#undef PRICE
#undef PNEM
#undef FLAG

} // namespace

const std::vector<TableDef>& tables() { return kTables; }
const std::vector<IndexDef>& indexes() { return kIndexes; }

const TableDef* findTable(const QString& name) {
    for (const auto& t : kTables)
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

} // namespace kodrix::db
