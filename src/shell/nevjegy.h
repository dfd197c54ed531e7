#pragma once

#include "app_context.h"
#include "module_window.h"

namespace kodrix {

// The about box: the program's name, its version and the database in use.
class Tnevjegy : public ModuleWindow {
    Q_OBJECT
public:
    explicit Tnevjegy(AppContext& context, QWidget* parent = nullptr);
};

} // namespace kodrix
