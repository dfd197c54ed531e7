#pragma once

#include "app_context.h"

namespace kodrix {

// Login and password change of the librarians.
class LibrarianLogin {
public:
    static constexpr int kFieldLength = 12;
    static inline const QString kWeakPassword = QStringLiteral(
        "A jelszava nem felel meg a biztonsági előírásoknak! Kérem változtassa meg! Az Egyéb "
        "menüpontban teheti meg.");
    static inline const QString kInvalidLogin = QStringLiteral("Érvénytelen felhasználói név vagy jelszó!");
    static inline const QString kChangeFailed = QStringLiteral("A művelet végrehajtása nem sikerült.");
    static inline const QString kWrongOldPassword = QStringLiteral("Hibásan adta meg a régi jelszavát!");
    static inline const QString kPasswordChanged = QStringLiteral("A jelszavát sikeresen megváltoztatta.");

    explicit LibrarianLogin(AppContext& context) : ctx_(context) {}

    enum class LoginResult { NoAccounts, LoggedIn, Refused };
    // The login check. With no accounts at all only "Karbantartás" is shown and the dialog
    // stays open; otherwise the dialog closes after success and after refusal alike.
    LoginResult login(const QString& loginId, const QString& password);

    // The password change of the logged-in librarian; true when the new password is stored.
    bool changePassword(const QString& oldPassword, const QString& newPassword, const QString& repeated);

private:
    AppContext& ctx_;
};

} // namespace kodrix
