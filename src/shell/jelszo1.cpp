#include "jelszo1.h"

#include "command_guard.h"
#include "dialog_buttons.h"
#include "librarian_login.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace kodrix {

Tjelszo1::Tjelszo1(AppContext& context, QWidget* parent)
    : ModuleWindow(parent), ctx_(context), id_(new QLineEdit(this)), password_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Bejelentkezés"));
    setObjectName(QStringLiteral("Tjelszo1"));
    setProperty("kodrixNoCloseBox", true);

    id_->setObjectName(QStringLiteral("azonosito"));
    id_->setMaxLength(LibrarianLogin::kFieldLength);
    password_->setObjectName(QStringLiteral("jelszo"));
    password_->setMaxLength(LibrarianLogin::kFieldLength);
    password_->setEchoMode(QLineEdit::Password);

    auto* form = new QFormLayout;
    auto* idLabel = new QLabel(QStringLiteral("&Azonosító:"), this);
    idLabel->setBuddy(id_);
    auto* passwordLabel = new QLabel(QStringLiteral("&Jelszó:"), this);
    passwordLabel->setBuddy(password_);
    form->addRow(idLabel, id_);
    form->addRow(passwordLabel, password_);

    const DialogButtons buttons = dialogButtons(this, QStringLiteral(" OK"), QStringLiteral(" Mégsem"));
    QPushButton* ok = buttons.accept;
    QPushButton* cancel = buttons.reject;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.row);

    connect(ok, &QPushButton::clicked, this, &Tjelszo1::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(id_, &QLineEdit::returnPressed, password_, qOverload<>(&QWidget::setFocus));
    connect(password_, &QLineEdit::returnPressed, this, &Tjelszo1::accept);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    setTabOrder(id_, password_);
    setTabOrder(password_, ok);
    setTabOrder(ok, cancel);
    setFocusProxy(id_);
}

void Tjelszo1::accept() {
    guarded(ctx_.dialogs, [&] {
        const auto result = LibrarianLogin(ctx_).login(id_->text(), password_->text());
        if (result != LibrarianLogin::LoginResult::NoAccounts) close();
    });
}

} // namespace kodrix
