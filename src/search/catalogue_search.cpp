#include "catalogue_search.h"

#include "search_text.h"

#include <QCollator>
#include <QHash>
#include <algorithm>

using kodrix::db::huLower;

namespace kodrix {

namespace {

// The columns every mode returns around its own one.
QString standardColumns(const QString& own) {
    return QStringLiteral("szakj,raktj,konyv.szerzo,fc,kotszam,kotet,kiadev,konyv.sorszam,%1,konyv.doktipus,konyv.id")
        .arg(own);
}

// Letters A to Z lower-cased; accented capitals stay as typed.
QString asciiLower(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = c.toLower();
    return out;
}

// The literal beginning of a LIKE pattern, before its first wildcard.
QString literalPrefix(const QString& pattern) {
    int i = 0;
    while (i < pattern.size() && pattern.at(i) != QLatin1Char('%') && pattern.at(i) != QLatin1Char('_')) ++i;
    return pattern.left(i);
}

// "lower(col) like :p", led by "lower(col) starting with :p_start" when the pattern begins with
// literal text: the same rows, found through the lower(...) index instead of a full scan.
// A second term gets no lead of its own, so that the main term's index drives the search.
QString lowerLike(const QString& column, const QString& param, const QString& pattern, db::Params& params,
                  bool lead = true, bool lowered = true) {
    params.insert(param, pattern);
    const QString expr = lowered ? QStringLiteral("lower(%1)").arg(column) : column;
    const QString start = literalPrefix(pattern);
    if (start.isEmpty() || !lead) return QStringLiteral("%1 like :%2").arg(expr, param);
    params.insert(param + QStringLiteral("_start"), start);
    return QStringLiteral("%1 starting with :%2_start and %1 like :%2").arg(expr, param);
}

// The identity of a result row for "distinct": every value, NULL told apart from empty.
QString distinctKey(const QVariantList& values) {
    QString key;
    for (const QVariant& v : values) {
        key += v.isNull() ? QStringLiteral("\x01") : v.toString();
        key += QLatin1Char('\x1f');
    }
    return key;
}

int nameIndex(const QStringList& columns, const QString& name) {
    const QString bare = name.section(QLatin1Char('.'), -1);
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).compare(bare, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

} // namespace

const QStringList& CatalogueSearch::modeNames() {
    static const QStringList names = {
        QStringLiteral("Szerző, rendező, főszereplő"), QStringLiteral("Cím"), QStringLiteral("Tárgyszó"),
        QStringLiteral("Megjelenés"), QStringLiteral("Kiadási év"), QStringLiteral("Nyomda"), QStringLiteral("ETO"),
        QStringLiteral("ISBN"), QStringLiteral("ISSN"), QStringLiteral("TMT"), QStringLiteral("Nyelv"),
        QStringLiteral("Leltári szám"), QStringLiteral("Vonalkód"), QStringLiteral("Irodalmi műfaj"),
        QStringLiteral("Hangoskönyv lista"), QStringLiteral("Teljes lista")};
    return names;
}

bool CatalogueSearch::takesSecondTerm(int mode) {
    return mode == Author || mode == Title || mode == Subject || mode == Year || mode == InventoryNumber;
}

bool CatalogueSearch::acceptable(const Request& r) { return r.mode == InventoryNumber || r.text.size() >= 2; }

CatalogueSearch::Result CatalogueSearch::query(const QString& sql, const db::Params& params,
                                               const QStringList& order) {
    // Rows come unsorted and are made distinct and ordered here, with a Hungarian collator:
    // the same rows as "select distinct ... order by", in Hungarian alphabetical order, without
    // the database sorting wide UTF8 records.
    Result result;
    result.ran = true;
    const db::Rows rows = db_.select(sql, params);
    if (!rows.empty()) result.columns = rows.front().columns();
    QSet<QString> seen;
    result.rows.reserve(rows.size());
    for (const db::Row& row : rows) {
        const QString key = distinctKey(row.values());
        if (seen.contains(key)) continue;
        seen.insert(key);
        result.rows.push_back(row.values());
    }
    if (order.isEmpty() || result.rows.size() < 2) return result;
    QList<int> keys;
    for (const QString& o : order)
        if (const int i = nameIndex(result.columns, o); i >= 0) keys.append(i);
    // Each order column's distinct values are ranked once with the collator; rows then sort by
    // their ranks, so the collator sees every value once instead of at every comparison.
    QCollator collator{QLocale(QLocale::Hungarian, QLocale::Hungary)};
    const int n = int(result.rows.size());
    std::vector<std::vector<int>> ranks(keys.size(), std::vector<int>(n));
    for (size_t k = 0; k < keys.size(); ++k) {
        QHash<QString, int> distinct;
        QStringList values;
        for (int r = 0; r < n; ++r) {
            const QString v = result.rows[r].at(keys[k]).toString();
            auto it = distinct.constFind(v);
            if (it == distinct.constEnd()) {
                it = distinct.insert(v, int(values.size()));
                values.append(v);
            }
            ranks[k][r] = it.value();
        }
        std::vector<QCollatorSortKey> sortKeys;
        sortKeys.reserve(values.size());
        for (const QString& v : values) sortKeys.push_back(collator.sortKey(v));
        std::vector<int> order(values.size());
        for (int i = 0; i < int(order.size()); ++i) order[i] = i;
        std::sort(order.begin(), order.end(), [&](int a, int b) { return sortKeys[a].compare(sortKeys[b]) < 0; });
        std::vector<int> rankOf(values.size());
        for (int i = 0; i < int(order.size()); ++i) rankOf[order[i]] = i;
        for (int& r : ranks[k]) r = rankOf[r];
    }
    std::vector<int> index(n);
    for (int i = 0; i < n; ++i) index[i] = i;
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
        for (size_t k = 0; k < keys.size(); ++k)
            if (ranks[k][a] != ranks[k][b]) return ranks[k][a] < ranks[k][b];
        return false;
    });
    std::vector<QVariantList> sorted;
    sorted.reserve(index.size());
    for (int i : index) sorted.push_back(std::move(result.rows[i]));
    result.rows = std::move(sorted);
    return result;
}

CatalogueSearch::Result CatalogueSearch::run(const Request& r) {
    QString text = huLower(r.text).trimmed();
    QString q;
    switch (r.match) {
    case Match::Anywhere: q = QLatin1Char('%') + text + QLatin1Char('%'); break;
    case Match::Exact: q = text; break;
    case Match::Prefix: q = text + QLatin1Char('%'); break;
    }
    q = q.left(32);
    const QString l = r.location.isEmpty() ? QStringLiteral("%") : (r.location + QLatin1Char('%')).left(20);
    const QString t = r.type.isEmpty() ? QStringLiteral("%") : r.type.left(20);
    const QString c = huLower(r.second).trimmed() + QLatin1Char('%');
    const bool withSecond = takesSecondTerm(r.mode) && !r.second.trimmed().isEmpty();
    if (r.mode == Author || r.mode == Title) {
        const int quote = q.indexOf(QLatin1Char('\''));
        if (quote >= 0) q[quote] = QLatin1Char('_');
    }

    db::Params p;
    const auto typeAndPlace = [&](bool place, bool type) {
        QString sql;
        if (type) {
            sql += QStringLiteral(" and konyv.doktipus like :t");
            p.insert(QStringLiteral("t"), t);
        }
        if (place) {
            sql += QStringLiteral(" and kpld.lhely like :l");
            p.insert(QStringLiteral("l"), l);
        }
        return sql + QStringLiteral(" and konyv.id=kpld.id");
    };
    // Modes whose condition is on the record: "+0" keeps the optimizer from walking every copy
    // and looking its record up; it reads the records and then their copies (same rows).
    const auto recordFirst = [](QString sql) {
        return sql.replace(QStringLiteral("konyv.id=kpld.id"), QStringLiteral("konyv.id+0=kpld.id"));
    };
    const auto simple = [&](const QString& column, const QStringList& order) {
        const QString sql = QStringLiteral("Select %1 from konyv, kpld where %2").arg(standardColumns(column),
                                                                                       lowerLike(column, QStringLiteral("q"), q, p)) +
                            typeAndPlace(true, true);
        return query(recordFirst(sql), p, order);
    };

    switch (r.mode) {
    case Author: {
        QString sql = QStringLiteral("Select szakj,raktj,kszerzo.szerzo,fc,kotszam,kotet,kiadev,konyv.sorszam,kiadas,"
                                     "konyv.doktipus,konyv.id,kpld.lhely from konyv, kszerzo, kpld where ") +
                      lowerLike(QStringLiteral("kszerzo.szerzo"), QStringLiteral("q"), q, p) +
                      QStringLiteral(" and konyv.id=kszerzo.id");
        if (withSecond) sql += QStringLiteral(" and ") + lowerLike(QStringLiteral("fc"), QStringLiteral("c"), c, p, false);
        sql += typeAndPlace(true, false);
        // Matching anywhere reads the whole author index: "+0" keeps the optimizer from
        // reading it once per record instead.
        if (literalPrefix(q).isEmpty()) sql.replace(QStringLiteral("konyv.id=kszerzo.id"), QStringLiteral("konyv.id=kszerzo.id+0"));
        return query(recordFirst(sql), p, {"kszerzo.szerzo", "fc", "kiadas"});
    }
    case Title: {
        QString sql;
        if (withSecond)
            sql = QStringLiteral("Select szakj,raktj,konyv.szerzo,kcim.cim,fc,kotszam,kiadev,konyv.sorszam,konyv.kiadas,"
                                 "konyv.doktipus,konyv.id from konyv, kcim, kpld, kszerzo where ") +
                  lowerLike(QStringLiteral("kcim.cim"), QStringLiteral("q"), q, p) + QStringLiteral(" and ") +
                  lowerLike(QStringLiteral("kszerzo.szerzo"), QStringLiteral("c"), c, p, false) +
                  QStringLiteral(" and konyv.id=kszerzo.id");
        else
            sql = QStringLiteral("Select szakj,raktj,konyv.szerzo,kcim.cim,kotszam,kotet,kiadev,konyv.sorszam,konyv.kiadas,"
                                 "konyv.doktipus,konyv.id from konyv, kcim, kpld where ") +
                  lowerLike(QStringLiteral("kcim.cim"), QStringLiteral("q"), q, p);
        sql += QStringLiteral(" and konyv.id=kcim.id") + typeAndPlace(true, true);
        if (literalPrefix(q).isEmpty()) sql.replace(QStringLiteral("konyv.id=kcim.id"), QStringLiteral("konyv.id=kcim.id+0"));
        return query(recordFirst(sql), p, {"kcim.cim", "szerzo", "kiadas"});
    }
    case Subject: {
        QString sql = QStringLiteral("Select %1 from konyv, kpld where lower(tszo) like :q").arg(standardColumns("tszo"));
        p.insert(QStringLiteral("q"), q);
        if (withSecond) {
            sql += QStringLiteral(" and lower(tszo) like :c");
            p.insert(QStringLiteral("c"), QLatin1Char('%') + huLower(r.second).trimmed() + QLatin1Char('%'));
        }
        Result result = query(recordFirst(sql + typeAndPlace(true, true)), p, {"tszo", "szerzo", "fc"});
        if (!result.rows.empty()) return result;
        // A non-preferred term finds the records of its preferred heading.
        const auto heading = db_.selectFirst(QStringLiteral("Select * from targyszo where lower(szinonima)=:s;"),
                                             {{QStringLiteral("s"), asciiLower(r.text)}});
        if (!heading) return result;
        db::Params again;
        p = again;
        p.insert(QStringLiteral("q"), (QLatin1Char('%') + huLower(heading->text(QStringLiteral("targyszo"))) + QLatin1Char('%')).left(32));
        sql = QStringLiteral("Select %1 from konyv, kpld where lower(tszo) like :q").arg(standardColumns("tszo"));
        return query(recordFirst(sql + typeAndPlace(true, true)), p, {"tszo", "szerzo", "fc"});
    }
    case Publication: return simple(QStringLiteral("kiadas"), {"kiadas", "szerzo", "fc"});
    case Year: {
        // The year search reads records only: the copy's volume number has no source here.
        QString sql = QStringLiteral("Select %1 from konyv where ")
                          .arg(standardColumns("kiadas").replace(QStringLiteral("kotszam"),
                                                                 QStringLiteral("cast(null as varchar(30)) as kotszam")));
        p.insert(QStringLiteral("y"), r.text);
        if (withSecond) {
            sql += QStringLiteral("kiadev>=:y and kiadev <=:y2");
            p.insert(QStringLiteral("y2"), r.second);
        } else {
            sql += QStringLiteral("kiadev=:y");
        }
        return query(sql, p, {"szerzo", "fc"});
    }
    case Printer: return simple(QStringLiteral("nyomda"), {"nyomda", "szerzo", "fc"});
    case Udc: {
        const QString sql = QStringLiteral("Select %1 from konyv, kpld where %2")
                                .arg(standardColumns("eto"), lowerLike(QStringLiteral("eto"), QStringLiteral("q"), q, p, true, false)) +
                            typeAndPlace(!r.location.isEmpty(), true);
        return query(recordFirst(sql), p, {"eto"});
    }
    case Isbn: return simple(QStringLiteral("isbn"), {});
    case Issn: return simple(QStringLiteral("issn"), {});
    case Tmt: return simple(QStringLiteral("tmt"), {"tmt", "szerzo", "fc"});
    case Language: return simple(QStringLiteral("nyelv"), {"fc", "szerzo"});
    case InventoryNumber: {
        bool ok = false;
        const qlonglong number = r.text.trimmed().toLongLong(&ok);
        // An inventory number is a number: anything else finds nothing.
        p.insert(QStringLiteral("n"), ok ? QVariant(number) : QVariant(-1));
        const QString sql = QStringLiteral("Select %1 from konyv, kpld where kpld.lszam=:n").arg(standardColumns("kpld.lszam")) +
                            typeAndPlace(!r.location.isEmpty(), true);
        return query(sql, p, {});
    }
    case Barcode: {
        p.insert(QStringLiteral("v"), r.text);
        return query(QStringLiteral("Select %1,kpld.vonalkod from konyv, kpld where kpld.vonalkod=:v and konyv.id=kpld.id")
                         .arg(standardColumns("kpld.lszam")),
                     p, {});
    }
    case Genre:
        p.insert(QStringLiteral("g"), r.text);
        return query(recordFirst(QStringLiteral("Select konyv.szakj,konyv.raktj,konyv.szerzo,konyv.fc,kotszam,kotet,kiadev,"
                                                "konyv.sorszam,konyv.doktipus,konyv.id,irmufaj from konyv, kpld where "
                                                "irmufaj=:g and konyv.id=kpld.id")),
                     p, {});
    case AudiobookList:
        return query(recordFirst(QStringLiteral("Select szakj,raktj,szerzo,fc,kiadev,ter,mt,konyv.doktipus,konyv.id from "
                                                "konyv, kpld where tszo='Hangoskönyv'") +
                                 typeAndPlace(true, false)),
                     p, {"szerzo"});
    case FullList: {
        if (r.location.isEmpty()) return Result{};
        return query(QStringLiteral("Select szakj,raktj,szerzo,fc,lbetu,lszam,ar,pnem,konyv.doktipus,konyv.id from konyv, kpld "
                                    "where 1=1") + typeAndPlace(true, true),
                     p, {"szerzo", "fc"});
    }
    default: return Result{};
    }
}

CatalogueSearch::Result CatalogueSearch::newest(const QString& libraryCode, const QString& type, const QString& location) {
    // Read in inventory-number order straight from the index and stop at 100 distinct rows;
    // "distinct ... order by" would sort the whole stock first.
    const db::Params p = {{QStringLiteral("k"), libraryCode},
                          {QStringLiteral("t"), type.isEmpty() ? QStringLiteral("%") : type},
                          {QStringLiteral("l"), location.isEmpty() ? QStringLiteral("%") : location}};
    for (int limit = 400;; limit *= 4) {
        Result result;
        result.ran = true;
        const db::Rows rows = db_.select(
            QStringLiteral("select szakj,raktj,szerzo,fc,kiadev,konyv.doktipus,konyv.id,lszam from konyv,kpld where lszam>0 "
                           "and lszam<300000 and tulaj=:k and konyv.id=kpld.id and konyv.doktipus like :t and kpld.lhely "
                           "like :l order by lszam desc rows %1")
                .arg(limit),
            p);
        if (!rows.empty()) result.columns = rows.front().columns();
        QSet<QString> seen;
        for (const db::Row& row : rows) {
            const QString key = distinctKey(row.values());
            if (seen.contains(key)) continue;
            seen.insert(key);
            result.rows.push_back(row.values());
            if (result.rows.size() == 100) return result;
        }
        // Fewer than 100 distinct rows: either that is all there is, or read further.
        if (int(rows.size()) < limit) return result;
    }
}

void CatalogueSearch::count(const QDate& today, bool librarian) {
    db::Transaction tx(db_);
    const auto row = db_.selectFirst(QStringLiteral("select * from keresstat where datum=:d;"), {{QStringLiteral("d"), today}});
    if (row) {
        db_.exec(librarian ? QStringLiteral("update keresstat set kerkt=coalesce(kerkt,0)+1 where id=:id")
                           : QStringLiteral("update keresstat set keresolv=coalesce(keresolv,0)+1 where id=:id"),
                 {{QStringLiteral("id"), row->value(QStringLiteral("id"))}});
    } else {
        db_.exec(QStringLiteral("insert into keresstat (id,datum,keresolv,kerkt) values (:id,:d,:o,:k)"),
                 {{QStringLiteral("id"), db_.nextId(QStringLiteral("keresstat"))},
                  {QStringLiteral("d"), today},
                  {QStringLiteral("o"), librarian ? 0 : 1},
                  {QStringLiteral("k"), librarian ? 1 : 0}});
    }
    tx.commit();
}

} // namespace kodrix
