#pragma once

#include <QWidget>

namespace kodrix {

// The base of every module window: a child of the main window's work area that frees
// itself when it is closed. Each menu command creates a fresh instance.
class ModuleWindow : public QWidget {
    Q_OBJECT
public:
    explicit ModuleWindow(QWidget* parent = nullptr);
};

} // namespace kodrix
