#pragma once

#include "app_context.h"
#include "list_editor.h"
#include "module_window.h"

#include <memory>
#include <vector>

class QTabWidget;

namespace kodrix {

class ListGrid;
class ListPanel;

// The reader status window "Olvasói státuszok beállítása": reader categories, occupations,
// workplaces and postal codes, one page each.
class Tolvstatus : public ModuleWindow {
    Q_OBJECT
public:
    explicit Tolvstatus(AppContext& context, QWidget* parent = nullptr);
    ~Tolvstatus() override;

    QTabWidget* pages() const { return pages_; }
    ListGrid* grid(int page) const { return grids_.at(page); }

    void addRow(int page);
    void saveRows(int page);
    void deleteRow(int page);

private:
    AppContext& ctx_;
    QTabWidget* pages_;
    std::vector<std::unique_ptr<db::ListEditor>> editors_;
    std::vector<ListGrid*> grids_;
    std::vector<ListPanel*> panels_;
};

} // namespace kodrix
