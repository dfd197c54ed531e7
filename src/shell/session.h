#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace kodrix {

// What the windows of one run share: owned by the main window, never stored by it.
struct Session {
    static constexpr int kFunctionKeyCount = 11;  // F2 to F12

    // The librarian who logged in last; a logout keeps these, the next login replaces them.
    QString librarianName;  // at most 40 characters
    QString librarianId;    // at most 12 characters
    bool loggedIn = false;

    // Set by the cataloguing commands just before they open their window.
    QString documentType;

    QStringList functionKeys = QStringList(kFunctionKeyCount, QString());

    // The instance opened last of each kind of window.
    QHash<QString, QPointer<QWidget>> windows;
};

} // namespace kodrix
