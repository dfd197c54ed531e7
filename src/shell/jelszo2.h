#pragma once

#include "app_context.h"
#include "module_window.h"

class QLineEdit;

namespace kodrix {

// The password-change dialog "Jelszó megváltoztatása".
class Tjelszo2 : public ModuleWindow {
    Q_OBJECT
public:
    explicit Tjelszo2(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* oldField() const { return old_; }
    QLineEdit* newField() const { return new_; }
    QLineEdit* repeatField() const { return repeat_; }

public Q_SLOTS:
    void accept();

private:
    AppContext& ctx_;
    QLineEdit* old_;
    QLineEdit* new_;
    QLineEdit* repeat_;
};

} // namespace kodrix
