#include "fbill.h"

#include "dialogs.h"
#include "function_keys.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kodrix {

Tfbill::Tfbill(AppContext& context, QWidget* parent) : ModuleWindow(parent), ctx_(context) {
    setWindowTitle(QStringLiteral("Funkcióbillentyűk"));
    setObjectName(QStringLiteral("Tfbill"));
    auto* form = new QFormLayout;
    for (int i = 0; i < function_keys::kCount; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("F%1").arg(i + 2));
        auto* label = new QLabel(QStringLiteral("F%1:").arg(i + 2), this);
        label->setBuddy(edit);
        form->addRow(label, edit);
        fields_.append(edit);
    }
    auto* save = new QPushButton(QStringLiteral(" &Mentés"), this);
    auto* close = new QPushButton(QStringLiteral(" Bezár"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("A következő funkcióbillentyűknek adhat értékeket:"), this));
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(save, &QPushButton::clicked, this, &Tfbill::save);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setFocusProxy(fields_.first());

    if (const auto texts = function_keys::read(function_keys::filePath(ctx_.workDir))) {
        ctx_.session.functionKeys = *texts;
        for (int i = 0; i < function_keys::kCount; ++i) fields_.at(i)->setText(texts->at(i));
    }
}

void Tfbill::save() {
    QStringList texts;
    for (QLineEdit* f : fields_) texts.append(f->text());
    ctx_.session.functionKeys = texts;
    const QString path = function_keys::filePath(ctx_.workDir);
    QString error;
    if (!function_keys::write(path, texts, &error)) {
        ctx_.dialogs.error(QStringLiteral("A fájl nem írható: %1\n%2").arg(path, error));
        return;
    }
    close();
}

} // namespace kodrix
