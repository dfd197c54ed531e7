#pragma once

#include <QHBoxLayout>
#include <QPushButton>

namespace kodrix {

// The row of a small dialog's two buttons, right-aligned, the first one the default.
struct DialogButtons {
    QHBoxLayout* row;
    QPushButton* accept;
    QPushButton* reject;
};

inline DialogButtons dialogButtons(QWidget* parent, const QString& accept, const QString& reject) {
    DialogButtons b{new QHBoxLayout, new QPushButton(accept, parent), new QPushButton(reject, parent)};
    b.accept->setDefault(true);
    b.row->addStretch();
    b.row->addWidget(b.accept);
    b.row->addWidget(b.reject);
    return b;
}

} // namespace kodrix
