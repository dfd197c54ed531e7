#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kodrix {

// Every message box, question and file chooser of the program goes through this interface,
// so that tests can record the exact texts and script the answers.
class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    static inline const QString kDeleteQuestion = QStringLiteral("Biztosan törölni kívánja?");

    virtual ~Dialogs() = default;

    // A notice with an OK button.
    virtual void message(const QString& text) = 0;
    // An error notice (a database error, a file that cannot be written...).
    virtual void error(const QString& text) = 0;
    // The deletion confirmation with exactly the buttons "Igen" and "Nem"; true for "Igen".
    virtual bool confirmDelete(const QString& question = kDeleteQuestion) = 0;
    // A question with Yes and No (and Cancel when asked for).
    virtual Answer ask(const QString& text, bool withCancel = false) = 0;
    // A choice from a list, the first item selected; the chosen index, or -1 for "Mégsem".
    virtual int choose(const QString& caption, const QString& prompt, const QStringList& items) = 0;
    // File choosers; an empty text when the user cancels.
    virtual QString openFileName(const QString& caption, const QString& dir, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& dir, const QString& filter) = 0;
};

// The real boxes, parented to a window (the main window).
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text) override;
    void error(const QString& text) override;
    bool confirmDelete(const QString& question) override;
    Answer ask(const QString& text, bool withCancel) override;
    int choose(const QString& caption, const QString& prompt, const QStringList& items) override;
    QString openFileName(const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& dir, const QString& filter) override;

private:
    QWidget* parent_;
};

} // namespace kodrix
