#pragma once

// The page "テキスト": the editor toolbar ToolBar1, the editor Memo1 and its
// status bar memoline. The editor's text is the document's text: every
// change of it updates the document's lines, and in real mode redraws.

#include "core/app_state.h"

#include <QPlainTextEdit>
#include <QWidget>

class QLabel;
class QToolBar;

namespace zenpa::ui {

class TextPage : public QWidget, public AppObserver {
    Q_OBJECT
public:
    explicit TextPage(AppState& state, QWidget* parent = nullptr);
    ~TextPage() override;

    QPlainTextEdit* editor() const { return m_edit; }
    QToolBar* toolBar() const { return m_toolBar; }

    void stateChanged(unsigned changes) override;

    // The three panels of memoline.
    void refreshStatus();
    QString lineCountText() const;
    QString caretText() const;
    QString modeText() const;

    // Editor commands. Those that need a selection or clipboard text do
    // nothing without one.
    bool hasSelection() const;
    bool canUndo() const;
    static bool clipboardHasText();
    void undo();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void lineCopy();
    void linePaste();
    void lineDelete();
    void goTop();
    void goBottom();

Q_SIGNALS:
    // Top and Bottom bring this page to the front.
    void wantsFront();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTextChanged();
    void loadFromDocument();

    AppState& m_state;
    QToolBar* m_toolBar;
    QPlainTextEdit* m_edit;
    QLabel* m_panels[3];
    bool m_loading = false;
    bool m_inUndo = false;
    bool m_lastWasUndo = false;
};

} // namespace zenpa::ui
