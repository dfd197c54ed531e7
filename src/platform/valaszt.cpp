#include "valaszt.h"

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
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral(" Mégsem"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemClicked, this, &QDialog::accept);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
}

int Tvalaszto::chosen() const { return list_->currentRow(); }

} // namespace kodrix
