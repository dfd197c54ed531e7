#include "list_panel.h"

#include "command_guard.h"
#include "dialogs.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kodrix {

ListPanel::ListPanel(ListGrid* grid, Dialogs& dialogs, ListPanelOptions options, QWidget* parent)
    : QWidget(parent), grid_(grid), dialogs_(dialogs), options_(std::move(options)),
      add_(new QPushButton(options_.captions.value(0), this)), save_(new QPushButton(options_.captions.value(1), this)),
      delete_(new QPushButton(options_.captions.value(2), this)) {
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add_, save_, delete_}) {
        b->setAccessibleName(QString(b->text()).remove(QLatin1Char('&')).trimmed() + QStringLiteral(" – ") +
                             grid->accessibleName());
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    layout->addLayout(buttons);
    connect(add_, &QPushButton::clicked, this, &ListPanel::addRow);
    connect(save_, &QPushButton::clicked, this, &ListPanel::saveRows);
    connect(delete_, &QPushButton::clicked, this, &ListPanel::deleteRow);
}

void ListPanel::addRow() {
    if (options_.canAdd && !options_.canAdd()) return;
    guarded(dialogs_, [&] { grid_->appendRow(options_.typedKeys ? QVariant(grid_->editor().proposeKey()) : QVariant()); });
}

void ListPanel::saveRows() {
    guarded(dialogs_, [&] {
        if (!options_.stampColumn.isEmpty()) grid_->editor().stampPending(options_.stampColumn, options_.stampValue);
        grid_->editor().saveAll(!options_.typedKeys);
    });
    grid_->refresh();
}

void ListPanel::deleteRow() {
    const int row = grid_->currentEditorRow();
    if (row < 0 || row >= grid_->editor().rowCount()) return;
    if (options_.confirmDelete && !dialogs_.confirmDelete()) return;
    guarded(dialogs_, [&] { grid_->editor().removeRow(row); });
    grid_->refresh();
}

} // namespace kodrix
