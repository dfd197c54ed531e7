#include "fomenu.h"

#include "command_guard.h"
#include "nevjegy.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace kodrix {

namespace {

// The five groups a rights string governs, by its positions 1 to 5.
const QStringList& rightsGroups() {
    static const QStringList groups = {
        QStringLiteral("Katalogizálás"), QStringLiteral("Folyóirat"),
        QStringLiteral("Olvasószolgálat"), QStringLiteral("Leltárkönyv"),
        QStringLiteral("Karbantartás")};
    return groups;
}

const QString kOther = QStringLiteral("Egyéb");

} // namespace

Tfomenu::Tfomenu(db::Database& db, Dialogs& dialogs, const db::Clock& clock,
                 const QString& dataDir, const QString& workDir, QWidget* parent)
    : QMainWindow(parent),
      context_{db, dialogs, clock, session_, *this, dataDir, workDir},
      workArea_(new QMdiArea(this)),
      status_(new QLabel(this)) {
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("Tfomenu"));
    workArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    workArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    workArea_->setAccessibleName(QStringLiteral("Munkaterület"));
    setCentralWidget(workArea_);
    status_->setAccessibleName(QStringLiteral("Állapotsor"));
    statusBar()->addWidget(status_, 1);
    buildMenu();

    setWindowFactory(cmd::About, [](AppContext& ctx) -> QWidget* { return new Tnevjegy(ctx); });
    connect(action(cmd::Logout), &QAction::triggered, this, &Tfomenu::logout);
    connect(action(cmd::Quit), &QAction::triggered, this, &QWidget::close);
    action(cmd::Logout)->setEnabled(true);
    action(cmd::Quit)->setEnabled(true);

    hideAllGroups();
    session_.librarianName.clear();
}

void Tfomenu::buildMenu() {
    QFont menuFont = menuBar()->font();
    menuFont.setFamily(QStringLiteral("Arial"));
    menuBar()->setFont(menuFont);
    for (const MenuGroup& g : mainMenu()) {
        QMenu* menu = menuBar()->addMenu(g.caption);
        menu->setFont(menuFont);
        groups_.insert(plainCaption(g.caption), menu);
        for (const MenuEntry& e : g.entries) {
            if (e.id.isEmpty()) {
                menu->addSeparator();
                continue;
            }
            QAction* a = menu->addAction(e.caption);
            a->setObjectName(e.id);
            a->setEnabled(false);
            actions_.insert(e.id, a);
            if (!e.documentType.isEmpty()) documentTypes_.insert(e.id, e.documentType);
            const QString id = e.id;
            connect(a, &QAction::triggered, this, [this, id] {
                if (factories_.contains(id)) trigger(id);
            });
        }
    }
}

void Tfomenu::setWindowFactory(const QString& commandId, WindowFactory factory) {
    factories_.insert(commandId, std::move(factory));
    if (QAction* a = action(commandId)) a->setEnabled(true);
}

void Tfomenu::trigger(const QString& commandId) {
    const auto factory = factories_.value(commandId);
    if (!factory) {
        if (QAction* a = action(commandId); a && a->isEnabled()) a->trigger();
        return;
    }
    if (documentTypes_.contains(commandId)) session_.documentType = documentTypes_.value(commandId);
    guarded(context_.dialogs, [&] {
        if (QWidget* w = factory(context_)) openWindow(commandId, w);
    });
}

void Tfomenu::openWindow(const QString& kind, QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* frame = workArea_->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // Dialogs that must be answered by their own buttons get a frame without a close box.
    if (window->property("kodrixNoCloseBox").toBool())
        frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // Closing the window from inside (its own close button) takes its frame with it.
    connect(window, &QObject::destroyed, frame, [frame] { frame->close(); });
    session_.windows.insert(kind, window);
    if (window->windowState() & Qt::WindowMaximized)
        frame->showMaximized();
    else
        frame->show();
    window->show();
    window->setFocus();
}

QMenu* Tfomenu::group(const QString& caption) const { return groups_.value(caption); }

void Tfomenu::setStatusText(const QString& text) { status_->setText(text); }

QString Tfomenu::statusText() const { return status_->text(); }

void Tfomenu::setGroupVisible(const QString& caption, bool visible) {
    if (QMenu* m = group(caption)) m->menuAction()->setVisible(visible);
}

void Tfomenu::showGroupsForRights(const QString& rights) {
    const QStringList& groups = rightsGroups();
    for (int i = 0; i < groups.size(); ++i)
        setGroupVisible(groups.at(i), i < rights.size() && rights.at(i) == QLatin1Char('1'));
    setGroupVisible(kOther, true);
    session_.loggedIn = true;
}

void Tfomenu::hideAllGroups() {
    for (const QString& g : rightsGroups()) setGroupVisible(g, false);
    setGroupVisible(kOther, false);
    session_.loggedIn = false;
}

void Tfomenu::showMaintenanceOnly() {
    hideAllGroups();
    setGroupVisible(QStringLiteral("Karbantartás"), true);
}

void Tfomenu::logout() { hideAllGroups(); }

} // namespace kodrix
