#include "jelszo2.h"

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

Tjelszo2::Tjelszo2(AppContext& context, QWidget* parent)
    : ModuleWindow(parent), ctx_(context), old_(new QLineEdit(this)), new_(new QLineEdit(this)),
      repeat_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Jelszó megváltoztatása"));
    setObjectName(QStringLiteral("Tjelszo2"));

    auto* form = new QFormLayout;
    const struct {
        QLineEdit* field;
        const char* name;
        QString caption;
    } fields[] = {
        {old_, "regi", QStringLiteral("&Régi jelszó: ")},
        {new_, "uj", QStringLiteral("Ú&j jelszó: ")},
        {repeat_, "ismetelten", QStringLiteral("&Ismételten: ")},
    };
    for (const auto& f : fields) {
        f.field->setObjectName(QString::fromLatin1(f.name));
        f.field->setMaxLength(LibrarianLogin::kFieldLength);
        f.field->setEchoMode(QLineEdit::Password);
        auto* label = new QLabel(f.caption, this);
        label->setBuddy(f.field);
        form->addRow(label, f.field);
    }

    auto* guidance = new QVBoxLayout;
    for (const QString& line :
         {QStringLiteral("A jelszóra vonatkozó követelmények, ajánlások:"),
          QStringLiteral("- legalább 5, legfeljebb 10 karakter hosszú lehet;"),
          QStringLiteral("- tartalmazzon kis- és nagybetűket, számo(ka)t;"),
          QStringLiteral("- ne legyen értelmes szó!"),
          QStringLiteral("- ne írja fel a képernyőre, cetlire, sehová!"),
          QStringLiteral("- ne egyezzen meg a felhasználónevével!"),
          QStringLiteral("Jelszót képezhet pl. a nevéből, lakcíméből, családtagjai nevéből, születési "
                         "idejéből, PIN kódjából,"),
          QStringLiteral("kedvenc versének kezdőbetűiből, stb.")})
        guidance->addWidget(new QLabel(line, this));

    const DialogButtons buttons = dialogButtons(this, QStringLiteral("OK"), QStringLiteral("Mégsem"));
    QPushButton* ok = buttons.accept;
    QPushButton* cancel = buttons.reject;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(guidance);
    layout->addLayout(buttons.row);

    connect(ok, &QPushButton::clicked, this, &Tjelszo2::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    for (QLineEdit* f : {old_, new_, repeat_}) connect(f, &QLineEdit::returnPressed, this, &Tjelszo2::accept);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    setTabOrder(old_, new_);
    setTabOrder(new_, repeat_);
    setTabOrder(repeat_, ok);
    setTabOrder(ok, cancel);
    setFocusProxy(old_);

    ctx_.shell.setStatusText(QString());
}

void Tjelszo2::accept() {
    guarded(ctx_.dialogs, [&] {
        if (LibrarianLogin(ctx_).changePassword(old_->text(), new_->text(), repeat_->text())) close();
    });
}

} // namespace kodrix
