#pragma once

#include "list_editor.h"

#include <QTableWidget>

namespace kodrix {

// A grid over a ListEditor: one line per row, one cell per shown column; what is typed into
// a cell goes into the editor's row at once, and is stored by the window's save command.
class ListGrid : public QTableWidget {
    Q_OBJECT
public:
    ListGrid(db::ListEditor& editor, const QString& accessibleName, QWidget* parent = nullptr);

    // Shows the editor's rows anew, keeping the current line where possible.
    void refresh();
    // Appends a row (with a proposed key when given), shows it and starts editing its first
    // editable cell.
    void appendRow(const QVariant& key = QVariant());
    int currentEditorRow() const { return currentRow(); }
    db::ListEditor& editor() { return editor_; }

private:
    void cellEdited(QTableWidgetItem* item);
    db::ListEditor& editor_;
    bool filling_ = false;
};

} // namespace kodrix
