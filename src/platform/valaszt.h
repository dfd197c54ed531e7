#pragma once

#include <QDialog>

class QListWidget;

namespace kodrix {

// The chooser: a list of names with the first one selected; "OK", Enter or a click on a name
// takes it, " Mégsem" closes without a choice.
class Tvalaszto : public QDialog {
    Q_OBJECT
public:
    Tvalaszto(const QString& caption, const QString& prompt, const QStringList& items, QWidget* parent = nullptr);
    int chosen() const;

private:
    QListWidget* list_;
};

} // namespace kodrix
