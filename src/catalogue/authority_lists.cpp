#include "authority_lists.h"

#include "library_lists.h"

namespace kodrix {

QStringList AuthorityLists::publisherNames() {
    return namesOf(db_, QStringLiteral("select * from kiadok where doktipus=:t order by kiado collate HU_HU_ICU;"),
                   QStringLiteral("kiado"), {{QStringLiteral("t"), type_}});
}

QStringList AuthorityLists::genreNames() {
    return namesOf(db_, QStringLiteral("select * from mufaj where doktipus=:t order by mufaj collate HU_HU_ICU;"),
                   QStringLiteral("mufaj"), {{QStringLiteral("t"), type_}});
}

QStringList AuthorityLists::subjectHeadings() {
    return namesOf(db_, QStringLiteral("select * from targyszo order by targyszo collate HU_HU_ICU;"),
                   QStringLiteral("targyszo"));
}

QStringList AuthorityLists::findPublishers(const QString& text) {
    return namesOf(db_, QStringLiteral("select * from kiadok where kiado like :p and doktipus=:t order by kiado collate HU_HU_ICU;"),
                   QStringLiteral("kiado"),
                   {{QStringLiteral("p"), QLatin1Char('%') + text + QLatin1Char('%')}, {QStringLiteral("t"), type_}});
}

bool AuthorityLists::addPublisher(const QString& name) {
    const QString text = name.left(80);
    if (text.isEmpty()) return false;
    const db::Params p = {{QStringLiteral("k"), text}, {QStringLiteral("t"), type_}};
    if (db_.selectFirst(QStringLiteral("select * from kiadok where kiado=:k and doktipus=:t;"), p)) return false;
    db::Params row = p;
    // The key comes from the publishers' own list.
    row.insert(QStringLiteral("id"), db_.nextId(QStringLiteral("kiadok")));
    db_.exec(QStringLiteral("insert into kiadok (id,doktipus,kiado) values (:id,:t,:k)"), row);
    return true;
}

bool AuthorityLists::addSubject(const QString& heading) {
    // The heading is compared and stored as typed (its first 30 characters), so a heading
    // with an apostrophe is found again and not added twice.
    const QString text = heading.left(30);
    if (text.trimmed().isEmpty()) return false;
    if (db_.selectFirst(QStringLiteral("select * from targyszo where targyszo=:s;"), {{QStringLiteral("s"), text}}))
        return false;
    db_.exec(QStringLiteral("insert into targyszo (id,targyszo,doktipus) values (:id,:s,:t)"),
             {{QStringLiteral("id"), db_.nextId(QStringLiteral("targyszo"))},
              {QStringLiteral("s"), text},
              {QStringLiteral("t"), type_}});
    return true;
}

QString AuthorityLists::appendSubject(const QString& subjects, const QString& heading, const QString& separator) {
    if (heading.isEmpty()) return subjects;
    QString picked = heading;
    picked[0] = picked.at(0).toUpper();
    return subjects.isEmpty() ? picked : subjects + separator + picked;
}

} // namespace kodrix
