#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace kodrix {

// The function-key file kodrix.ini: eleven lines, the texts of F2 to F12 in order.
namespace function_keys {

constexpr int kCount = 11;

QString filePath(const QString& workDir);
// The eleven texts of the file (a short file gives empty texts at its end); nothing when the
// file cannot be opened.
std::optional<QStringList> read(const QString& path);
// Writes the file anew with exactly eleven lines; a failed write keeps the old file.
bool write(const QString& path, const QStringList& texts, QString* error = nullptr);

} // namespace function_keys

// Makes F2 to F12 in a window append their texts to the focused entry field and put the
// caret at its end. The texts are read each time a key is pressed, so the window follows the
// session's texts.
class FunctionKeyFilter : public QObject {
    Q_OBJECT
public:
    // texts: the session's function-key texts, F2 first; must outlive the window.
    static void install(QWidget* window, const QStringList& texts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FunctionKeyFilter(QWidget* window, const QStringList& texts);
    QWidget* window_;
    const QStringList& texts_;
};

} // namespace kodrix
