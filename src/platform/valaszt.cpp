#include "valaszt.h"

#include "dialog_buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kodrix {

Tvalaszto::Tvalaszto(const QString& caption, const QString& prompt, const QStringList& items, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(caption);
    setObjectName(QStringLiteral("Tvalaszto"));
    list_->addItems(items);
    if (!items.isEmpty()) list_->setCurrentRow(0);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(list_);
    const DialogButtons buttons = dialogButtons(this, QStringLiteral("OK"), QStringLiteral(" Mégsem"));
    QPushButton* ok = buttons.accept;
    QPushButton* cancel = buttons.reject;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addLayout(buttons.row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemClicked, this, &QDialog::accept);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
}

int Tvalaszto::chosen() const { return list_->currentRow(); }

} // namespace kodrix
