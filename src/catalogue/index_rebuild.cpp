#include "index_rebuild.h"

namespace kodrix {

namespace {

void addRows(db::Database& db, const QString& table, const QString& column, const QVariant& recordId,
             const QString& documentType, const QStringList& texts) {
    if (texts.isEmpty()) return;
    qint64 next = db.nextId(table, QStringLiteral("sorszam"));
    const QString sql = QStringLiteral("insert into %1 (sorszam,doktipus,id,%2) values (:sorszam,:doktipus,:id,:text)")
                            .arg(table, column);
    for (const QString& text : texts)
        db.exec(sql, {{QStringLiteral("sorszam"), next++},
                      {QStringLiteral("doktipus"), documentType},
                      {QStringLiteral("id"), recordId},
                      {QStringLiteral("text"), text}});
}

int countRows(db::Database& db, const QString& table, const QVariant& recordId) {
    return db.scalar(QStringLiteral("select count(*) from %1 where id=:id").arg(table),
                     {{QStringLiteral("id"), recordId}})
        .toInt();
}

} // namespace

void rebuildIndexEntries(db::Database& db, const QVariant& recordId, const QString& documentType,
                         const AuthorFields& authors, const TitleFields& titles, bool isNew,
                         bool authorsChanged) {
    db::Transaction tx(db);
    const db::Params id = {{QStringLiteral("id"), recordId}};

    int authorRows = countRows(db, QStringLiteral("kszerzo"), recordId);
    if (!isNew && authorsChanged && authorRows > 0) {
        db.exec(QStringLiteral("delete from kszerzo where id=:id"), id);
        authorRows = 0;
    }
    if (authorRows == 0)
        addRows(db, QStringLiteral("kszerzo"), QStringLiteral("szerzo"), recordId, documentType,
                authorEntries(authors));

    int titleRows = countRows(db, QStringLiteral("kcim"), recordId);
    if (!isNew && titleRows > 0) {
        db.exec(QStringLiteral("delete from kcim where id=:id"), id);
        titleRows = 0;
    }
    if (titleRows == 0)
        addRows(db, QStringLiteral("kcim"), QStringLiteral("cim"), recordId, documentType, titleEntries(titles));
    tx.commit();
}

} // namespace kodrix
