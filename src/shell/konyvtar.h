#pragma once

#include "app_context.h"
#include "list_editor.h"
#include "module_window.h"

#include <memory>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace kodrix {

class ListGrid;

// The library data window "A könyvtár adatai": the settings row, the library codes and the
// locations.
class Tkonyvtar : public ModuleWindow {
    Q_OBJECT
public:
    explicit Tkonyvtar(AppContext& context, QWidget* parent = nullptr);
    ~Tkonyvtar() override;

    QLineEdit* field(const QString& column) const;
    QRadioButton* perDayButton() const { return perDay_; }
    QRadioButton* perNoticeButton() const { return perNotice_; }
    QPushButton* saveButton() const { return save_; }
    QSpinBox* yearField() const { return year_; }
    ListGrid* codesGrid() const { return codesGrid_; }
    ListGrid* locationsGrid() const { return locationsGrid_; }
    QTabWidget* pages() const { return pages_; }

    static constexpr int kSaveLockMs = 3000;

public Q_SLOTS:
    void saveSettings();

private:
    QWidget* buildSettingsPage();
    QWidget* buildListsPage();
    QWidget* buildBackupPage();
    QWidget* buildGridPanel(ListGrid* grid, bool confirmDelete);

    AppContext& ctx_;
    std::unique_ptr<db::ListEditor> codes_;
    std::unique_ptr<db::ListEditor> locations_;
    QTabWidget* pages_;
    QHash<QString, QLineEdit*> fields_;
    QRadioButton* perDay_ = nullptr;
    QRadioButton* perNotice_ = nullptr;
    QPushButton* save_ = nullptr;
    QSpinBox* year_ = nullptr;
    ListGrid* codesGrid_ = nullptr;
    ListGrid* locationsGrid_ = nullptr;
};

} // namespace kodrix
