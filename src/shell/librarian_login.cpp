#include "librarian_login.h"

#include "database.h"
#include "dialogs.h"
#include "password_scramble.h"

namespace kodrix {

LibrarianLogin::LoginResult LibrarianLogin::login(const QString& loginId, const QString& password) {
    if (ctx_.db.scalar(QStringLiteral("select count(*) from kvtaros")).toInt() == 0) {
        ctx_.shell.showMaintenanceOnly();
        return LoginResult::NoAccounts;
    }
    const QString scrambled = scramblePassword(loginId, password);
    const db::Rows rows = ctx_.db.select(
        QStringLiteral("select * from kvtaros where kod=:kod and jelszo=:jelszo;"),
        {{QStringLiteral("kod"), loginId}, {QStringLiteral("jelszo"), scrambled}});
    if (rows.size() != 1) {
        ctx_.dialogs.message(kInvalidLogin);
        ctx_.shell.hideAllGroups();
        return LoginResult::Refused;
    }
    const db::Row& row = rows.front();
    if (password.size() < 7) ctx_.shell.setStatusText(kWeakPassword);
    ctx_.session.librarianName = row.text(QStringLiteral("nev")).left(40);
    ctx_.session.librarianId = row.text(QStringLiteral("kod")).left(12);
    ctx_.shell.showGroupsForRights(row.text(QStringLiteral("jogkod")));
    return LoginResult::LoggedIn;
}

bool LibrarianLogin::changePassword(const QString& oldPassword, const QString& newPassword,
                                    const QString& repeated) {
    bool failed = false;
    if (newPassword != repeated) {
        ctx_.dialogs.message(QStringLiteral("Érvénytelen jelszó!\nA két jelszó nem egyezik"));
        failed = true;
    }
    if (newPassword.size() < 5) {
        ctx_.dialogs.message(
            QStringLiteral("Érvénytelen jelszó!\nA jelszónak legalább 5 karakter hosszúnak kell lennie!"));
        failed = true;
    }
    if (newPassword == ctx_.session.librarianId) {
        ctx_.dialogs.message(QStringLiteral("Érvénytelen jelszó!\nA jelszó nem egyezhet meg az azonosítójával!"));
        failed = true;
    }
    if (failed) {
        ctx_.dialogs.message(kChangeFailed);
        return false;
    }
    const QString id = ctx_.session.librarianId;
    const auto row = ctx_.db.selectFirst(QStringLiteral("select * from kvtaros where kod=:kod;"),
                                         {{QStringLiteral("kod"), id}});
    if (!row || scramblePassword(id, oldPassword) != row->text(QStringLiteral("jelszo"))) {
        ctx_.dialogs.message(kWrongOldPassword);
        return false;
    }
    ctx_.db.exec(QStringLiteral("update kvtaros set jelszo=:jelszo where id=:id;"),
                 {{QStringLiteral("jelszo"), scramblePassword(id, newPassword)},
                  {QStringLiteral("id"), row->value(QStringLiteral("id"))}});
    ctx_.shell.setStatusText(kPasswordChanged);
    return true;
}

} // namespace kodrix
