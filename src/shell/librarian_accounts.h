#pragma once

#include "app_context.h"
#include "database.h"

#include <array>
#include <optional>

namespace kodrix {

// The librarian accounts: one kvtaros row shown at a time from a list ordered by name.
class LibrarianAccounts {
public:
    static constexpr int kRightsCount = 5;
    using Rights = std::array<bool, kRightsCount>;

    static inline const QString kDuplicateId =
        QStringLiteral("Ilyen azonosító kódú könyvtáros már szerepel az adatbázisban!");
    static inline const QString kPasswordRequired = QStringLiteral("Kötelező jelszót adni!");
    static inline const QString kPasswordsDiffer = QStringLiteral("A két jelszó nem egyezik!");
    static inline const QString kNotFound =
        QStringLiteral("Ilyen nevű könyvtáros nem szerepel az adatbázisban!");

    // What the window holds for the shown row.
    struct Form {
        QString name;
        QString loginId;
        QString password;
        QString repeated;
        Rights rights{};
    };

    enum class SaveResult { Saved, MissingField, DuplicateId, PasswordRequired, PasswordsDiffer };

    explicit LibrarianAccounts(AppContext& context) : ctx_(context) {}

    // The whole list; with no librarians a new row is started.
    void load();
    // The librarians whose name begins with the text (case-sensitive); false, with its message,
    // when there is none (the list stays as it was).
    bool search(const QString& text);

    int count() const { return int(rows_.size()); }
    int position() const { return position_; }
    bool atStart() const { return isNew() || position_ <= 0; }
    bool atEnd() const { return isNew() || position_ >= count() - 1; }
    bool isNew() const { return position_ < 0; }
    void move(int delta);
    void startNew();

    // The columns of the shown row (empty for a new one).
    QVariantMap current() const;
    // The rights the shown row's string sets, or nothing when the string is shorter than 2.
    std::optional<Rights> currentRights() const;

    // Another librarian already has this login ID.
    bool isDuplicateId(const QString& loginId) const;
    SaveResult save(const Form& form);
    // Asks the deletion question; true when the row was deleted.
    bool remove();

    static QString rightsString(const Rights& rights);

private:
    void reload(const QVariant& showId);
    AppContext& ctx_;
    std::vector<QVariantMap> rows_;
    int position_ = -1;
    QString filter_;  // the search prefix the list shows, empty for all
};

} // namespace kodrix
