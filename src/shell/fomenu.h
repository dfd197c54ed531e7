#pragma once

#include "app_context.h"
#include "commands.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace kodrix {

// Creates the window of a menu command. The cataloguing commands have already set the
// current document type when it runs.
using WindowFactory = std::function<QWidget*(AppContext&)>;

// The main window: the menu from which every module window opens, the work area the
// windows live in, and the status bar the windows write through the shell.
class Tfomenu : public QMainWindow, public Shell {
    Q_OBJECT
public:
    static inline const QString kCaption =
        QStringLiteral("Kodrix egyfelhasználós integrált könyvtári program");
    static inline const QString kApplicationTitle =
        QStringLiteral("Kodrix egyfelhasználós integrált könyvtári rendszer");

    Tfomenu(db::Database& db, Dialogs& dialogs, const db::Clock& clock, const QString& dataDir,
            const QString& workDir, QWidget* parent = nullptr);

    // Gives a command its window and enables it; a command without one stays disabled.
    void setWindowFactory(const QString& commandId, WindowFactory factory);
    // Runs a menu command as if chosen from the menu.
    void trigger(const QString& commandId);
    // Opens a window as a child of the work area; the window frees itself when closed.
    void openWindow(const QString& kind, QWidget* window) override;

    QAction* action(const QString& commandId) const { return actions_.value(commandId); }
    QMenu* group(const QString& plainCaption) const;
    QMdiArea* workArea() const { return workArea_; }
    AppContext& context() { return context_; }
    Session& session() { return session_; }

    void setStatusText(const QString& text) override;
    QString statusText() const override;
    void showGroupsForRights(const QString& rights) override;
    void hideAllGroups() override;
    void showMaintenanceOnly() override;

    // Logout: hides the six groups and keeps the current librarian.
    void logout();

private:
    void buildMenu();
    void setGroupVisible(const QString& plainCaption, bool visible);

    Session session_;
    AppContext context_;
    QMdiArea* workArea_;
    QLabel* status_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> groups_;
    QHash<QString, WindowFactory> factories_;
    QHash<QString, QString> documentTypes_;
};

} // namespace kodrix
