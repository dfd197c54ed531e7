#pragma once

#include "app_context.h"
#include "module_window.h"

#include <QTextCharFormat>
#include <functional>

class QSpinBox;
class QSlider;
class QTextEdit;

namespace kodrix {

// The catalogue-card editor: a small rich-text editor for a card, any RTF or text file.
class Tkatced : public ModuleWindow {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Katalógus cédula szerkesztése, nyomtatása");

    explicit Tkatced(AppContext& context, QWidget* parent = nullptr);

    // Fills the editor with card lines; the fresh card counts as unmodified.
    void appendLines(const QStringList& lines);
    QTextEdit* editor() const { return editor_; }
    QSpinBox* sizeField() const { return size_; }
    QSlider* indentSlider() const { return indent_; }
    QAction* command(const QString& text) const;
    const QString& fileName() const { return file_; }
    bool isModified() const;

public Q_SLOTS:
    void newDocument();
    void openDocument();
    bool save();
    bool saveAs();
    void print();
    void printerSetup();
    void countCharacters();
    void cutToCardWidth();
    void chooseFont();

private:
    bool confirmReplace();
    bool writeTo(const QString& path);
    void setFileName(const QString& path);
    void setCharFormat(const std::function<void(QTextCharFormat&)>& change);

    AppContext& ctx_;
    QTextEdit* editor_;
    QSpinBox* size_;
    QSlider* indent_;
    QString file_;
    QList<QAction*> actions_;
};

} // namespace kodrix
