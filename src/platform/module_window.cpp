#include "module_window.h"

namespace kodrix {

ModuleWindow::ModuleWindow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace kodrix
