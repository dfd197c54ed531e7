#include "wheel_guard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace kodrix {

namespace {

class WheelFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && !w->hasFocus()) {
                event->ignore();  // the enclosing scroll area scrolls instead
                return true;
            }
        }
        return false;
    }
};

} // namespace

void guardWheel(QWidget* root) {
    auto* filter = new WheelFilter(root);
    const auto guard = [filter](QWidget* w) {
        w->setFocusPolicy(Qt::StrongFocus);
        w->installEventFilter(filter);
    };
    for (QComboBox* c : root->findChildren<QComboBox*>()) guard(c);
    for (QAbstractSpinBox* s : root->findChildren<QAbstractSpinBox*>()) guard(s);
}

} // namespace kodrix
