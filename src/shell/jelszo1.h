#pragma once

#include "app_context.h"
#include "module_window.h"

class QLineEdit;

namespace kodrix {

// The login dialog "Bejelentkezés".
class Tjelszo1 : public ModuleWindow {
    Q_OBJECT
public:
    explicit Tjelszo1(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* loginIdField() const { return id_; }
    QLineEdit* passwordField() const { return password_; }

public Q_SLOTS:
    void accept();

private:
    AppContext& ctx_;
    QLineEdit* id_;
    QLineEdit* password_;
};

} // namespace kodrix
