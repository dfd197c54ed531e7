#pragma once

#include <QString>
#include <QStringList>

namespace kodrix {

// The searchable author and title entries of a bibliographic record, as the index rebuild
// derives them from the record's fields. Pure text work: the rebuild stores what these give.

struct AuthorFields {
    QString szerzo;  // main heading
    QString tft;     // other authors
    QString mt;      // contributors
    QString utalo;   // references: variant-->heading, joined by #
};

struct TitleFields {
    QString fc, ac, pc, pac;  // title proper, subtitle, parallel title and subtitle
    QString sc1, sc2;         // series titles
    QString tartmeg;          // further titles, joined by #
    QString kotet;            // volume data, volume titles between < and >
};

// Author names in the order they are added, without duplicates or empty names.
QStringList authorEntries(const AuthorFields& f);
// Title texts in the order they are added, with the duplicate rules of each source.
QStringList titleEntries(const TitleFields& f);

} // namespace kodrix
