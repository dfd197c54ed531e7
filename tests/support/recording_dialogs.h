#pragma once

#include "dialogs.h"

#include <QList>
#include <QString>
#include <deque>

namespace kodrix::test {

// Records every box a command shows and answers questions from a script (Yes / "Igen" when
// the script runs out, unless told otherwise).
class RecordingDialogs : public Dialogs {
public:
    struct Shown {
        QString kind;  // "message", "error", "confirmDelete", "ask", "open", "save"
        QString text;
    };

    void message(const QString& text) override { shown.append({QStringLiteral("message"), text}); }
    void error(const QString& text) override { shown.append({QStringLiteral("error"), text}); }
    bool confirmDelete(const QString& question) override {
        shown.append({QStringLiteral("confirmDelete"), question});
        return next() == Answer::Yes;
    }
    Answer ask(const QString& text, bool) override {
        shown.append({QStringLiteral("ask"), text});
        return next();
    }
    int choose(const QString& caption, const QString&, const QStringList& items) override {
        shown.append({QStringLiteral("choose"), caption + QStringLiteral(": ") + items.join(QStringLiteral(", "))});
        if (choices.empty()) return items.isEmpty() ? -1 : 0;
        const int c = choices.front();
        choices.pop_front();
        return c;
    }
    QString openFileName(const QString& caption, const QString&, const QString&) override {
        shown.append({QStringLiteral("open"), caption});
        return nextFile();
    }
    QString saveFileName(const QString& caption, const QString&, const QString&) override {
        shown.append({QStringLiteral("save"), caption});
        return nextFile();
    }

    // Texts shown, of one kind or of all.
    QStringList texts(const QString& kind = QString()) const {
        QStringList out;
        for (const auto& s : shown)
            if (kind.isEmpty() || s.kind == kind) out.append(s.text);
        return out;
    }
    void clear() { shown.clear(); }

    QList<Shown> shown;
    std::deque<Answer> answers;
    std::deque<QString> files;
    std::deque<int> choices;  // answers of choose(); the first item when empty
    Answer defaultAnswer = Answer::Yes;

private:
    Answer next() {
        if (answers.empty()) return defaultAnswer;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString nextFile() {
        if (files.empty()) return QString();
        const QString f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace kodrix::test
