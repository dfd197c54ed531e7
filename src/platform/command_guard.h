#pragma once

#include "dialogs.h"

#include <exception>
#include <utility>

namespace kodrix {

// Runs one command of a window. A failure (a database error, a file that cannot be read)
// stops the command and its text is shown in a message box; what was saved before stays
// saved. Exceptions never reach Qt's event loop. Returns false when the command failed.
template <typename F>
bool guarded(Dialogs& dialogs, F&& command) {
    try {
        std::forward<F>(command)();
        return true;
    } catch (const std::exception& e) {
        dialogs.error(QString::fromUtf8(e.what()));
    } catch (...) {
        dialogs.error(QStringLiteral("Ismeretlen hiba történt."));
    }
    return false;
}

} // namespace kodrix
