#include "nevjegy.h"

#include "database.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kodrix {

Tnevjegy::Tnevjegy(AppContext& context, QWidget* parent) : ModuleWindow(parent) {
    setWindowTitle(QStringLiteral("Névjegy"));
    setObjectName(QStringLiteral("Tnevjegy"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Kodrix egyfelhasználós integrált könyvtári rendszer"), this);
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Verzió: %1").arg(QStringLiteral(KODRIX_VERSION)), this);
    version->setObjectName(QStringLiteral("version"));
    auto* database = new QLabel(QStringLiteral("Adatbázis: %1").arg(context.db.connectionSpec().database), this);
    database->setObjectName(QStringLiteral("database"));
    database->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* close = new QPushButton(QStringLiteral(" Bezár"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(database);
    layout->addStretch();
    layout->addWidget(close, 0, Qt::AlignRight);
    setFocusProxy(close);
}

} // namespace kodrix
