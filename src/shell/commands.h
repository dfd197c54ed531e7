#pragma once

#include <QString>
#include <vector>

namespace kodrix {

// The commands of the main menu, by the ids that module registration uses.
namespace cmd {
inline const QString Login = QStringLiteral("login");
inline const QString Logout = QStringLiteral("logout");
inline const QString Quit = QStringLiteral("quit");
inline const QString SearchCatalogue = QStringLiteral("search.catalogue");
inline const QString SearchOldBooks = QStringLiteral("search.oldbooks");
inline const QString SearchPeriodicals = QStringLiteral("search.periodicals");
inline const QString CatBook = QStringLiteral("cat.book");
inline const QString CatAv = QStringLiteral("cat.av");
inline const QString CatMultimedia = QStringLiteral("cat.multimedia");
inline const QString CatAudio = QStringLiteral("cat.audio");
inline const QString CatThesis = QStringLiteral("cat.thesis");
inline const QString CatEbook = QStringLiteral("cat.ebook");
inline const QString CatPeriodical = QStringLiteral("cat.periodical");
inline const QString CatOldBook = QStringLiteral("cat.oldbook");
inline const QString Anniversaries = QStringLiteral("cat.anniversaries");
inline const QString Expenses = QStringLiteral("cat.expenses");
inline const QString Periodicals = QStringLiteral("periodicals");
inline const QString Circulation = QStringLiteral("circulation");
inline const QString InterLibraryLoans = QStringLiteral("interlibrary");
inline const QString InventoryBook = QStringLiteral("stock.inventory");
inline const QString GroupRegisters = QStringLiteral("stock.groups");
inline const QString DiscardLists = QStringLiteral("stock.discard");
inline const QString StockAudit = QStringLiteral("stock.audit");
inline const QString Statistics = QStringLiteral("stock.statistics");
inline const QString LibraryData = QStringLiteral("admin.library");
inline const QString Librarians = QStringLiteral("admin.librarians");
inline const QString ReaderStatuses = QStringLiteral("admin.readerstatus");
inline const QString Visitors = QStringLiteral("other.visitors");
inline const QString Desiderata = QStringLiteral("other.desiderata");
inline const QString FunctionKeys = QStringLiteral("other.functionkeys");
inline const QString PasswordChange = QStringLiteral("other.password");
inline const QString Help = QStringLiteral("about.help");
inline const QString About = QStringLiteral("about.about");
} // namespace cmd

// One entry of the main menu: a command, or a separator when id is empty.
struct MenuEntry {
    QString id;
    QString caption;       // with its accelerator
    QString documentType;  // set before the window opens (cataloguing commands)
};

struct MenuGroup {
    QString caption;  // with its accelerator
    bool needsLogin;  // hidden while nobody is logged in
    std::vector<MenuEntry> entries;
};

const std::vector<MenuGroup>& mainMenu();

// The caption without its accelerator mark.
QString plainCaption(const QString& caption);

} // namespace kodrix
