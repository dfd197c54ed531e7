#pragma once

#include "session.h"

#include <QString>

class QWidget;

namespace kodrix {

class Dialogs;
namespace db {
class Database;
class Clock;
} // namespace db

// What the main window offers its module windows.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void setStatusText(const QString& text) = 0;
    virtual QString statusText() const = 0;
    // Shows "Egyéb" and the five groups that a rights string allows.
    virtual void showGroupsForRights(const QString& rights) = 0;
    virtual void hideAllGroups() = 0;
    // Shows "Karbantartás" alone: the way in when no librarian account exists yet.
    virtual void showMaintenanceOnly() = 0;
    // Shows a window in the work area, as the menu commands do (a module opening another one).
    virtual void openWindow(const QString& kind, QWidget* window) = 0;
};

// Everything a module window and its logic need, handed down from the main window.
struct AppContext {
    db::Database& db;
    Dialogs& dialogs;
    const db::Clock& clock;
    Session& session;
    Shell& shell;
    QString dataDir;
    QString workDir;  // fixed-name output files go here
};

} // namespace kodrix
