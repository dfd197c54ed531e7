#include "librarian_accounts.h"

#include "dialogs.h"
#include "editable_table.h"
#include "password_scramble.h"

namespace kodrix {

namespace {

std::vector<QVariantMap> toMaps(const db::Rows& rows) {
    std::vector<QVariantMap> out;
    for (const db::Row& r : rows) {
        QVariantMap m;
        for (int i = 0; i < r.count(); ++i) m.insert(r.columns().at(i).toLower(), r.value(i));
        out.push_back(m);
    }
    return out;
}

const QString kAll = QStringLiteral("select * from kvtaros order by nev collate HU_HU_ICU;");
const QString kByName =
    QStringLiteral("Select * from kvtaros where nev like :nev order by nev collate HU_HU_ICU;");

} // namespace

void LibrarianAccounts::load() {
    filter_.clear();
    rows_ = toMaps(ctx_.db.select(kAll));
    position_ = rows_.empty() ? -1 : 0;
}

bool LibrarianAccounts::search(const QString& text) {
    const QString pattern = (text + QLatin1Char('%')).left(20);
    auto found = toMaps(ctx_.db.select(kByName, {{QStringLiteral("nev"), pattern}}));
    if (found.empty()) {
        ctx_.dialogs.message(kNotFound);
        return false;
    }
    filter_ = pattern;
    rows_ = std::move(found);
    position_ = 0;
    return true;
}

void LibrarianAccounts::reload(const QVariant& showId) {
    rows_ = toMaps(filter_.isEmpty() ? ctx_.db.select(kAll)
                                     : ctx_.db.select(kByName, {{QStringLiteral("nev"), filter_}}));
    position_ = rows_.empty() ? -1 : 0;
    for (int i = 0; i < count(); ++i)
        if (rows_[i].value(QStringLiteral("id")) == showId) position_ = i;
}

void LibrarianAccounts::move(int delta) {
    if (isNew()) return;
    position_ = std::clamp(position_ + delta, 0, count() - 1);
}

void LibrarianAccounts::startNew() { position_ = -1; }

QVariantMap LibrarianAccounts::current() const { return isNew() ? QVariantMap() : rows_[position_]; }

std::optional<LibrarianAccounts::Rights> LibrarianAccounts::currentRights() const {
    const QString rights = current().value(QStringLiteral("jogkod")).toString();
    if (rights.size() < 2) return std::nullopt;
    Rights r{};
    for (int i = 0; i < kRightsCount; ++i) r[i] = i < rights.size() && rights.at(i) == QLatin1Char('1');
    return r;
}

bool LibrarianAccounts::isDuplicateId(const QString& loginId) const {
    // Only the other librarians count: the shown row's own ID is not a duplicate.
    const QVariant ownId = isNew() ? QVariant(-1) : current().value(QStringLiteral("id"));
    return !ctx_.db
                .select(QStringLiteral("Select kod from kvtaros where kod=:kod and id<>:id;"),
                        {{QStringLiteral("kod"), loginId}, {QStringLiteral("id"), ownId}})
                .empty();
}

QString LibrarianAccounts::rightsString(const Rights& rights) {
    QString s;
    for (bool r : rights) s.append(r ? QLatin1Char('1') : QLatin1Char('0'));
    return s;
}

LibrarianAccounts::SaveResult LibrarianAccounts::save(const Form& form) {
    if (form.name.trimmed().isEmpty()) {
        ctx_.dialogs.message(QStringLiteral("A könyvtáros nevét meg kell adni!"));
        return SaveResult::MissingField;
    }
    if (form.loginId.isEmpty()) {
        ctx_.dialogs.message(QStringLiteral("A felhasználónevet meg kell adni!"));
        return SaveResult::MissingField;
    }
    if (isDuplicateId(form.loginId)) {
        ctx_.dialogs.message(kDuplicateId);
        return SaveResult::DuplicateId;
    }
    QVariantMap row = current();
    const QString stored = row.value(QStringLiteral("jelszo")).toString();
    // The stored scramble is keyed by the login ID: a new ID needs a new password.
    const bool idChanged = !isNew() && row.value(QStringLiteral("kod")).toString() != form.loginId;
    if (form.repeated.isEmpty() && (stored.isEmpty() || idChanged)) {
        ctx_.dialogs.message(kPasswordRequired);
        return SaveResult::PasswordRequired;
    }
    if (form.password != form.repeated) {
        ctx_.dialogs.message(kPasswordsDiffer);
        return SaveResult::PasswordsDiffer;
    }
    if (!form.password.isEmpty())
        row.insert(QStringLiteral("jelszo"), scramblePassword(form.loginId, form.password));
    row.insert(QStringLiteral("jogkod"), rightsString(form.rights));
    row.insert(QStringLiteral("nev"), form.name);
    row.insert(QStringLiteral("kod"), form.loginId);

    db::EditableTable kvtaros(ctx_.db, QStringLiteral("kvtaros"));
    if (isNew()) {
        row.insert(QStringLiteral("id"), ctx_.db.nextId(QStringLiteral("kvtaros")));
        kvtaros.insert(row);
    } else {
        kvtaros.modify(row);
    }
    reload(row.value(QStringLiteral("id")));
    return SaveResult::Saved;
}

bool LibrarianAccounts::remove() {
    if (isNew()) return false;
    if (!ctx_.dialogs.confirmDelete()) return false;
    const int at = position_;
    db::EditableTable(ctx_.db, QStringLiteral("kvtaros")).remove(current().value(QStringLiteral("id")));
    reload(QVariant());
    position_ = rows_.empty() ? -1 : std::min(at, count() - 1);
    return true;
}

} // namespace kodrix
