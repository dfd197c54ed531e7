#pragma once

#include "database.h"

#include <QStringList>

namespace kodrix {

// The publishers, subject headings and authors that feed the cataloguing pick-lists.
class AuthorityLists {
public:
    AuthorityLists(db::Database& db, const QString& documentType) : db_(db), type_(documentType) {}

    // The pick-lists: the type's publishers and genres, every subject heading, by name.
    QStringList publisherNames();
    QStringList genreNames();
    QStringList subjectHeadings();

    // Publishers of the document type whose name contains the text.
    QStringList findPublishers(const QString& text);
    // Adds a publisher to the type's list unless it is there; true when added.
    bool addPublisher(const QString& name);
    // Adds a subject heading unless it is on the list; true when added.
    bool addSubject(const QString& heading);

    // The record's subject field with a picked heading appended (first letter upper-cased),
    // joined by the separator when the field is not empty.
    static QString appendSubject(const QString& subjects, const QString& heading, const QString& separator);

private:
    db::Database& db_;
    QString type_;
};

} // namespace kodrix
