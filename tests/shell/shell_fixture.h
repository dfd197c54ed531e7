#pragma once

#include "fomenu.h"
#include "startup.h"
#include "test_database.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest/QTest>

namespace kodrix::test {

// The main window on a fresh database, with every built module registered, as the program
// starts it.
class ShellTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        window = std::make_unique<Tfomenu>(db, dialogs, clock, scratchDir(), scratchDir());
        registerModules(*window);
        window->show();
    }
    void TearDown() override {
        window.reset();
        DbTest::TearDown();
    }

    QStringList visibleGroups() const {
        QStringList out;
        for (QAction* a : window->menuBar()->actions())
            if (a->isVisible()) out.append(plainCaption(a->text()));
        return out;
    }

    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    // Opens a window through its menu command and returns the new instance.
    template <typename W>
    W* open(const QString& command) {
        window->action(command)->trigger();
        settle();
        return qobject_cast<W*>(window->session().windows.value(command).data());
    }

    template <typename W>
    QList<W*> openWindows() const {
        QList<W*> out;
        for (QMdiSubWindow* s : window->workArea()->subWindowList())
            if (auto* w = qobject_cast<W*>(s->widget())) out.append(w);
        return out;
    }

    // Types text into a widget as key presses, accented letters included.
    static void typeText(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // The push button whose caption, without its accelerator mark, is `caption`.
    static QPushButton* button(QWidget* parent, const QString& caption) {
        for (QPushButton* b : parent->findChildren<QPushButton*>())
            if (plainCaption(b->text()) == caption) return b;
        return nullptr;
    }

    std::unique_ptr<Tfomenu> window;
};

} // namespace kodrix::test
