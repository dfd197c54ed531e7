#pragma once

class QWidget;

namespace kodrix {

// Scrolling a long form with the mouse wheel must not change the lists and number fields the
// pointer passes over: their wheel works only once they have the focus.
void guardWheel(QWidget* root);

} // namespace kodrix
