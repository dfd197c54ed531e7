#include "function_keys.h"

#include "text_file.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace kodrix {

namespace function_keys {

QString filePath(const QString& workDir) { return QDir(workDir).filePath(QStringLiteral("kodrix.ini")); }

std::optional<QStringList> read(const QString& path) {
    auto lines = readWin1250File(path);
    if (!lines) return std::nullopt;
    QStringList texts = lines->mid(0, kCount);
    while (texts.size() < kCount) texts.append(QString());
    return texts;
}

bool write(const QString& path, const QStringList& texts, QString* error) {
    QStringList lines;
    for (int i = 0; i < kCount; ++i) {
        QString t = texts.value(i);
        t.remove(QLatin1Char('\r'));
        t.remove(QLatin1Char('\n'));
        lines.append(t);
    }
    return writeWin1250File(path, lines, LineEnd::CrLf, error);
}

} // namespace function_keys

FunctionKeyFilter::FunctionKeyFilter(QWidget* window, const QStringList& texts)
    : QObject(window), window_(window), texts_(texts) {}

void FunctionKeyFilter::install(QWidget* window, const QStringList& texts) {
    auto* filter = new FunctionKeyFilter(window, texts);
    // Watch the application so that keys reach us whichever child of the window has focus.
    qApp->installEventFilter(filter);
}

bool FunctionKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() < Qt::Key_F2 || key->key() > Qt::Key_F12 || key->modifiers() != Qt::NoModifier)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != window_ && !window_->isAncestorOf(widget))) return false;
    const QString text = texts_.value(key->key() - Qt::Key_F2);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable()) widget = combo->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->isReadOnly()) return false;
        line->setText(line->text() + text);
        line->setCursorPosition(int(line->text().size()));
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        if (plain->isReadOnly()) return false;
        plain->moveCursor(QTextCursor::End);
        plain->insertPlainText(text);
        plain->moveCursor(QTextCursor::End);
        return true;
    }
    if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        if (rich->isReadOnly()) return false;
        rich->moveCursor(QTextCursor::End);
        rich->insertPlainText(text);
        rich->moveCursor(QTextCursor::End);
        return true;
    }
    return false;
}

} // namespace kodrix
