#include "list_grid.h"

#include <QHeaderView>

namespace kodrix {

ListGrid::ListGrid(db::ListEditor& editor, const QString& accessibleName, QWidget* parent)
    : QTableWidget(parent), editor_(editor) {
    setAccessibleName(accessibleName);
    setColumnCount(int(editor_.columns().size()));
    QStringList captions;
    for (const auto& c : editor_.columns()) captions.append(c.caption);
    setHorizontalHeaderLabels(captions);
    horizontalHeader()->setStretchLastSection(true);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    connect(this, &QTableWidget::itemChanged, this, &ListGrid::cellEdited);
}

void ListGrid::refresh() {
    const int keep = currentRow();
    const int keepColumn = std::max(0, currentColumn());
    filling_ = true;
    setRowCount(editor_.rowCount());
    const auto& columns = editor_.columns();
    for (int r = 0; r < editor_.rowCount(); ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            auto* item = new QTableWidgetItem(editor_.value(r, columns.at(c).name).toString());
            const bool isKey = columns.at(c).name.compare(editor_.keyColumn(), Qt::CaseInsensitive) == 0;
            if (isKey && !editor_.isNew(r)) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            setItem(r, c, item);
        }
    }
    filling_ = false;
    if (editor_.rowCount() > 0) setCurrentCell(std::clamp(keep, 0, editor_.rowCount() - 1), keepColumn);
}

void ListGrid::appendRow(const QVariant& key) {
    const int row = editor_.append(key);
    refresh();
    setCurrentCell(row, 0);
    setFocus();
}

void ListGrid::cellEdited(QTableWidgetItem* item) {
    if (filling_) return;
    const auto& column = editor_.columns().at(item->column());
    QString text = item->text();
    if (column.maxLength > 0 && text.size() > column.maxLength) {
        text = text.left(column.maxLength);
        filling_ = true;
        item->setText(text);
        filling_ = false;
    }
    editor_.setValue(item->row(), column.name, text);
}

} // namespace kodrix
