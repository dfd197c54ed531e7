#include "dialogs.h"

#include "valaszt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kodrix {

namespace {

QString title() {
    const QString t = QApplication::applicationDisplayName();
    return t.isEmpty() ? QStringLiteral("Kodrix") : t;
}

} // namespace

void QtDialogs::message(const QString& text) {
    QMessageBox::information(parent_, title(), text);
}

void QtDialogs::error(const QString& text) { QMessageBox::critical(parent_, title(), text); }

bool QtDialogs::confirmDelete(const QString& question) {
    QMessageBox box(QMessageBox::Question, title(), question, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QStringLiteral("Igen"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nem"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

Dialogs::Answer QtDialogs::ask(const QString& text, bool withCancel) {
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    const auto answer = QMessageBox::question(parent_, title(), text, buttons);
    if (answer == QMessageBox::Yes) return Answer::Yes;
    if (answer == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

int QtDialogs::choose(const QString& caption, const QString& prompt, const QStringList& items) {
    Tvalaszto chooser(caption, prompt, items, parent_);
    return chooser.exec() == QDialog::Accepted ? chooser.chosen() : -1;
}

QString QtDialogs::openFileName(const QString& caption, const QString& dir, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, caption, dir, filter);
}

QString QtDialogs::saveFileName(const QString& caption, const QString& dir, const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, caption, dir, filter);
}

} // namespace kodrix
