#pragma once

// A main window on the built-in printer with a new document, shown on the
// offscreen platform.

#include "core/reset.h"
#include "support/scripted_interaction.h"
#include "platform/builtin_printer.h"
#include "platform/font_backend.h"
#include "ui/main_window.h"
#include "ui/preview_widget.h"
#include "ui/text_page.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace zenpa::test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The settings file of the window goes to a folder of the test's own.
        qputenv("ZENPA_HOME", home.path().toLocal8Bit());
        const FontBackend& fonts = FontBackend::instance();
        state.isListedFace = [&fonts](const QString& f) { return fonts.hasFace(f); };
        ResetDocument(state.doc, printer, state.panel, 96, state.range);
        window = std::make_unique<ui::MainWindow>(state, fonts, &answers);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        settle();
    }
    void TearDown() override { window.reset(); }

    // Lets queued redraws run.
    void settle() {
        QApplication::processEvents();
        window->preview()->flush();
    }
    QAction* action(const char* name) const { return window->action(QLatin1String(name)); }
    // A control of the window by its name.
    template <class T = QWidget> T* widget(const char* name) const {
        T* w = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Whether `act` made the preview draw again.
    template <class F> bool redraws(F act) {
        settle();
        const int before = renders();
        act();
        settle();
        return renders() > before;
    }
    QPlainTextEdit* editor() const { return window->textPage()->editor(); }
    int renders() const { return window->preview()->renderCount(); }
    void trigger(const char* name) {
        QAction* a = action(name);
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
        settle();
    }
    void typeText(const QString& text) {
        editor()->setFocus();
        QTest::keyClicks(editor(), text);
        settle();
    }
    void setCaret(int position) {
        QTextCursor c = editor()->textCursor();
        c.setPosition(position);
        editor()->setTextCursor(c);
    }

    QTemporaryDir home;
    BuiltinPrinterSystem printer;
    AppState state{printer};
    ScriptedInteraction answers;
    std::unique_ptr<ui::MainWindow> window;
};

} // namespace zenpa::test
