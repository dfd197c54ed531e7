#include "konyvtaros.h"

#include "command_guard.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace kodrix {

Tkonyvtaros::Tkonyvtaros(AppContext& context, QWidget* parent)
    : ModuleWindow(parent), ctx_(context), accounts_(context), name_(new QLineEdit(this)),
      loginId_(new QLineEdit(this)), password_(new QLineEdit(this)), repeat_(new QLineEdit(this)),
      search_(new QLineEdit(this)), all_(new QCheckBox(QStringLiteral("Összes kijelölése"), this)),
      save_(new QPushButton(QStringLiteral(" &Mentés"), this)),
      previous_(new QPushButton(this)), next_(new QPushButton(this)) {
    setWindowTitle(QStringLiteral("Könyvtárosok adatai"));
    setObjectName(QStringLiteral("Tkonyvtaros"));

    name_->setObjectName(QStringLiteral("nev"));
    name_->setMaxLength(40);
    loginId_->setObjectName(QStringLiteral("kod"));
    loginId_->setMaxLength(12);
    password_->setObjectName(QStringLiteral("jelszo"));
    repeat_->setObjectName(QStringLiteral("jelszo2"));
    for (QLineEdit* p : {password_, repeat_}) {
        p->setMaxLength(12);
        p->setEchoMode(QLineEdit::Password);
    }
    search_->setObjectName(QStringLiteral("kereses"));
    loginId_->installEventFilter(this);

    auto* fields = new QGridLayout;
    const struct {
        QString caption;
        QLineEdit* field;
    } rows[] = {
        {QStringLiteral("&Név*: "), name_},
        {QStringLiteral("&Felhasználónév*: "), loginId_},
        {QStringLiteral("&Jelszó*: "), password_},
        {QStringLiteral("Jelszó &ismétlése: "), repeat_},
    };
    int r = 0;
    for (const auto& row : rows) {
        auto* label = new QLabel(row.caption, this);
        label->setBuddy(row.field);
        fields->addWidget(label, r, 0);
        fields->addWidget(row.field, r, 1);
        ++r;
    }

    fields->setRowStretch(r, 1);

    auto* rightsBox = new QGroupBox(this);
    rightsBox->setAccessibleName(QStringLiteral("Jogosultság a következő menüpontokhoz"));
    auto* rightsLayout = new QVBoxLayout(rightsBox);
    for (const QString& head : {QStringLiteral("Jogosultág"), QStringLiteral("a következő"),
                                QStringLiteral("menüpontokhoz:")})
        rightsLayout->addWidget(new QLabel(head, rightsBox));
    const QStringList groups = {QStringLiteral("Katalogizálás"), QStringLiteral("Folyóirat"),
                                QStringLiteral("Olvasószolgálat"), QStringLiteral("Leltárkönyv"),
                                QStringLiteral("Karbantartás")};
    for (int i = 0; i < LibrarianAccounts::kRightsCount; ++i) {
        rights_[i] = new QCheckBox(groups.at(i), rightsBox);
        rightsLayout->addWidget(rights_[i]);
    }
    rightsLayout->addWidget(all_);
    all_->setParent(rightsBox);

    previous_->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    previous_->setToolTip(QStringLiteral("Előző"));
    previous_->setAccessibleName(QStringLiteral("Előző"));
    next_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    next_->setToolTip(QStringLiteral("Következő"));
    next_->setAccessibleName(QStringLiteral("Következő"));

    auto* newButton = new QPushButton(QStringLiteral(" Ú&j adat"), this);
    auto* deleteButton = new QPushButton(QStringLiteral(" &Törlés"), this);
    auto* closeButton = new QPushButton(QStringLiteral(" Bezár"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {previous_, next_, newButton, save_, deleteButton, closeButton}) buttons->addWidget(b);

    auto* searchLabel = new QLabel(QStringLiteral("Keresés név &alapján: "), this);
    searchLabel->setBuddy(search_);
    auto* searchButton = new QPushButton(QStringLiteral(" &Keresés"), this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(searchButton);

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addWidget(rightsBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addLayout(searchRow);
    layout->addStretch();

    connect(previous_, &QPushButton::clicked, this, &Tkonyvtaros::previousRow);
    connect(next_, &QPushButton::clicked, this, &Tkonyvtaros::nextRow);
    connect(newButton, &QPushButton::clicked, this, &Tkonyvtaros::newRow);
    connect(save_, &QPushButton::clicked, this, &Tkonyvtaros::saveRow);
    connect(deleteButton, &QPushButton::clicked, this, &Tkonyvtaros::deleteRow);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(searchButton, &QPushButton::clicked, this, &Tkonyvtaros::searchRows);
    connect(search_, &QLineEdit::returnPressed, this, &Tkonyvtaros::searchRows);
    connect(all_, &QCheckBox::clicked, this, [this](bool checked) {
        if (checked)
            for (QCheckBox* b : rights_) b->setChecked(true);
    });

    setTabOrder(name_, loginId_);
    setTabOrder(loginId_, password_);
    setTabOrder(password_, repeat_);
    setFocusProxy(name_);

    guarded(ctx_.dialogs, [&] {
        accounts_.load();
        showRow();
    });
}

bool Tkonyvtaros::eventFilter(QObject* watched, QEvent* event) {
    if (watched == loginId_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or a menu taking the focus is not the librarian leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) checkLoginId();
    }
    return ModuleWindow::eventFilter(watched, event);
}

void Tkonyvtaros::showRow() {
    const QVariantMap row = accounts_.current();
    name_->setText(row.value(QStringLiteral("nev")).toString());
    loginId_->setText(row.value(QStringLiteral("kod")).toString());
    if (const auto rights = accounts_.currentRights())
        for (int i = 0; i < LibrarianAccounts::kRightsCount; ++i) rights_[i]->setChecked((*rights)[i]);
    // The password entries belong to the row they were typed for.
    password_->clear();
    repeat_->clear();
    previous_->setEnabled(!accounts_.atStart());
    next_->setEnabled(!accounts_.atEnd());
    save_->setEnabled(true);
}

LibrarianAccounts::Form Tkonyvtaros::form() const {
    LibrarianAccounts::Form f;
    f.name = name_->text();
    f.loginId = loginId_->text();
    f.password = password_->text();
    f.repeated = repeat_->text();
    for (int i = 0; i < LibrarianAccounts::kRightsCount; ++i) f.rights[i] = rights_[i]->isChecked();
    return f;
}

void Tkonyvtaros::newRow() {
    accounts_.startNew();
    name_->clear();
    loginId_->clear();
    password_->clear();
    repeat_->clear();
    for (QCheckBox* b : rights_) b->setChecked(false);
    all_->setChecked(false);
    previous_->setEnabled(false);
    next_->setEnabled(false);
    save_->setEnabled(true);
    name_->setFocus();
}

void Tkonyvtaros::saveRow() {
    guarded(ctx_.dialogs, [&] {
        switch (accounts_.save(form())) {
        case LibrarianAccounts::SaveResult::Saved:
            showRow();
            save_->setEnabled(false);
            break;
        case LibrarianAccounts::SaveResult::DuplicateId:
            save_->setEnabled(false);
            loginId_->setFocus();
            break;
        case LibrarianAccounts::SaveResult::PasswordRequired:
        case LibrarianAccounts::SaveResult::PasswordsDiffer:
            password_->setFocus();
            break;
        case LibrarianAccounts::SaveResult::MissingField:
            (name_->text().trimmed().isEmpty() ? name_ : loginId_)->setFocus();
            break;
        }
    });
}

void Tkonyvtaros::deleteRow() {
    guarded(ctx_.dialogs, [&] {
        if (!accounts_.remove()) return;
        if (accounts_.isNew())
            newRow();
        else
            showRow();
    });
}

void Tkonyvtaros::searchRows() {
    guarded(ctx_.dialogs, [&] {
        if (accounts_.search(search_->text())) showRow();
    });
}

void Tkonyvtaros::previousRow() {
    accounts_.move(-1);
    showRow();
}

void Tkonyvtaros::nextRow() {
    accounts_.move(1);
    showRow();
}

void Tkonyvtaros::checkLoginId() {
    guarded(ctx_.dialogs, [&] {
        if (accounts_.isDuplicateId(loginId_->text())) {
            ctx_.dialogs.message(LibrarianAccounts::kDuplicateId);
            save_->setEnabled(false);
            loginId_->setFocus();
        } else {
            save_->setEnabled(true);
        }
    });
}

} // namespace kodrix
