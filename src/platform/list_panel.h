#pragma once

#include "list_grid.h"

#include <QWidget>
#include <functional>

class QPushButton;

namespace kodrix {

class Dialogs;

// How a list panel's three commands work.
struct ListPanelOptions {
    QStringList captions = {QStringLiteral("Új"), QStringLiteral("Mentés"), QStringLiteral("Törlés")};
    // Keys are typed into the grid: a new row starts with the next free one and saving
    // assigns none. Otherwise saving gives new rows the next key.
    bool typedKeys = false;
    bool confirmDelete = false;
    // A column the save sets on every new or changed row (the document type).
    QString stampColumn;
    QVariant stampValue;
    // Whether a row may be appended now.
    std::function<bool()> canAdd;
};

// A list grid with its commands below: new row, save the list, delete the current row (at
// once, or after the deletion question). Failures show the database's message; rows stored
// before stay stored and the grid keeps what was typed.
class ListPanel : public QWidget {
    Q_OBJECT
public:
    ListPanel(ListGrid* grid, Dialogs& dialogs, ListPanelOptions options, QWidget* parent = nullptr);

    ListGrid* grid() const { return grid_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* deleteButton() const { return delete_; }

public Q_SLOTS:
    void addRow();
    void saveRows();
    void deleteRow();

private:
    ListGrid* grid_;
    Dialogs& dialogs_;
    ListPanelOptions options_;
    QPushButton* add_;
    QPushButton* save_;
    QPushButton* delete_;
};

} // namespace kodrix
