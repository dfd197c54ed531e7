#pragma once

#include "app_context.h"
#include "librarian_accounts.h"
#include "module_window.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kodrix {

// The librarian accounts window "Könyvtárosok adatai".
class Tkonyvtaros : public ModuleWindow {
    Q_OBJECT
public:
    explicit Tkonyvtaros(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QLineEdit* loginIdField() const { return loginId_; }
    QLineEdit* passwordField() const { return password_; }
    QLineEdit* repeatField() const { return repeat_; }
    QLineEdit* searchField() const { return search_; }
    QCheckBox* rightBox(int i) const { return rights_.at(i); }
    QCheckBox* allBox() const { return all_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    const LibrarianAccounts& accounts() const { return accounts_; }

public Q_SLOTS:
    void newRow();
    void saveRow();
    void deleteRow();
    void searchRows();
    void previousRow();
    void nextRow();
    // Leaving the login ID field: another librarian with the same ID blocks the save.
    void checkLoginId();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRow();
    LibrarianAccounts::Form form() const;

    AppContext& ctx_;
    LibrarianAccounts accounts_;
    QLineEdit* name_;
    QLineEdit* loginId_;
    QLineEdit* password_;
    QLineEdit* repeat_;
    QLineEdit* search_;
    std::array<QCheckBox*, LibrarianAccounts::kRightsCount> rights_{};
    QCheckBox* all_;
    QPushButton* save_;
    QPushButton* previous_;
    QPushButton* next_;
};

} // namespace kodrix
