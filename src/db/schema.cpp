#include "schema.h"

#include "cutter_keys.h"
#include "reference_data.h"
#include "schema_tables.h"

namespace kodrix::db {

namespace {

// Splits a column list at the commas that are not inside parentheses, as in numeric(15,2).
QStringList splitDefinitions(const QString& columns) {
    QStringList parts;
    int depth = 0;
    QString current;
    for (const QChar c : columns) {
        if (c == QLatin1Char('(')) ++depth;
        if (c == QLatin1Char(')')) --depth;
        if (c == QLatin1Char(',') && depth == 0) {
            parts.append(current.trimmed());
            current.clear();
        } else {
            current.append(c);
        }
    }
    if (!current.trimmed().isEmpty()) parts.append(current.trimmed());
    return parts;
}

void createTables(Database& db) {
    // One transaction for the whole schema: a failure leaves nothing half-built, and one
    // commit is much faster than hundreds.
    Transaction tx(db);
    db.exec(QStringLiteral(
        "create collation HU_HU_ICU for UTF8 from UNICODE 'LOCALE=hu_HU'"));
    for (const TableDef& t : tables()) {
        const QString name = QString::fromLatin1(t.name);
        const QString key = QString::fromLatin1(t.key);
        QString ddl = QStringLiteral("create table %1 (%2").arg(name, QString::fromLatin1(t.columns));
        if (!key.isEmpty()) ddl += QStringLiteral(", constraint pk_%1 primary key (%2)").arg(name, key);
        ddl += QLatin1Char(')');
        db.exec(ddl);
        if (key.isEmpty()) continue;
        // max(key) for the next-id rule needs a descending index.
        db.exec(QStringLiteral("create descending index dx_%1 on %1 (%2)").arg(name, key));
        // The high-water mark: the largest key the table has ever stored, kept by a trigger
        // so that no code path can forget it.
        const QString seq = highWaterSequence(name);
        db.exec(QStringLiteral("create sequence %1").arg(seq));
        db.exec(QStringLiteral(
                    "create trigger kx_hwt_%1 for %1 active after insert or update position 0 as "
                    "declare variable v bigint; "
                    "begin "
                    "  if (new.%2 > gen_id(%3, 0)) then v = gen_id(%3, new.%2 - gen_id(%3, 0)); "
                    "end")
                    .arg(name, key, seq));
    }
    int n = 0;
    for (const IndexDef& ix : indexes()) {
        const QString expr = QString::fromLatin1(ix.expression);
        const QString table = QString::fromLatin1(ix.table);
        const QString indexName = QStringLiteral("ix_%1_%2").arg(table).arg(++n);
        if (expr.startsWith(QLatin1String("desc ")))
            db.exec(QStringLiteral("create descending index %1 on %2 (%3)").arg(indexName, table, expr.mid(5)));
        else if (expr.contains(QLatin1Char('(')))
            db.exec(QStringLiteral("create index %1 on %2 computed by (%3)").arg(indexName, table, expr));
        else
            db.exec(QStringLiteral("create index %1 on %2 (%3)").arg(indexName, table, expr));
    }
    tx.commit();
}

const std::vector<UpgradeStep> kSteps = {
    {1, "tables, keys and indexes", createTables},
    {2, "reference lists", loadReferenceLists},
    {3, "Cutter tables", loadCutterTables},
};

} // namespace

const std::vector<UpgradeStep>& upgradeSteps() { return kSteps; }

int latestSchemaVersion() { return kSteps.back().version; }

int schemaVersion(Database& db) {
    const QVariant exists = db.scalar(QStringLiteral(
        "select count(*) from rdb$relations where rdb$relation_name = 'SCHEMA_VERSION'"));
    if (exists.toInt() == 0) return 0;
    return db.scalar(QStringLiteral("select max(version) from schema_version")).toInt();
}

void upgradeSchema(Database& db, int target) {
    if (target <= 0) target = latestSchemaVersion();
    int current = schemaVersion(db);
    if (current == 0)
        db.exec(QStringLiteral("create table schema_version (version integer not null primary "
                               "key, applied timestamp default current_timestamp)"));
    for (const UpgradeStep& step : kSteps) {
        if (step.version <= current || step.version > target) continue;
        // A step and its version mark commit together, so a step never runs twice.
        Transaction tx(db);
        step.run(db);
        db.exec(QStringLiteral("insert into schema_version (version) values (:v)"),
                {{QStringLiteral("v"), step.version}});
        tx.commit();
        current = step.version;
    }
}

QStringList columnNames(const TableDef& table) {
    QStringList names;
    for (const QString& part : splitDefinitions(QString::fromLatin1(table.columns)))
        names.append(part.section(QLatin1Char(' '), 0, 0));
    return names;
}

QStringList columnNames(const QString& table) {
    const TableDef* def = findTable(table);
    return def ? columnNames(*def) : QStringList();
}

QVariantMap emptyRow(const QString& table) {
    QVariantMap row;
    for (const QString& c : columnNames(table)) row.insert(c, QVariant());
    return row;
}

} // namespace kodrix::db
