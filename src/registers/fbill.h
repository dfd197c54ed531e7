#pragma once

#include "app_context.h"
#include "module_window.h"

#include <QList>

class QLineEdit;

namespace kodrix {

// The function-key window "Funkcióbillentyűk": the texts of F2 to F12 in kodrix.ini.
class Tfbill : public ModuleWindow {
    Q_OBJECT
public:
    explicit Tfbill(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* keyField(int index) const { return fields_.at(index); }  // 0 is F2

public Q_SLOTS:
    void save();

private:
    AppContext& ctx_;
    QList<QLineEdit*> fields_;
};

} // namespace kodrix
