// The editor's commands: menu "編集(&E)", the editor toolbar and its popup.

#include "main_window.h"
#include "text_page.h"

#include <QAction>
#include <QToolBar>

namespace zenpa::ui {

void MainWindow::setupEditActions() {
    TextPage* t = m_textPage;
    struct Command {
        const char* names[3];
        void (TextPage::*run)();
    };
    const Command commands[] = {
        {{"Mundo", nullptr, nullptr}, &TextPage::undo},
        {{"Mcut", "SBcut", "Cut1"}, &TextPage::cut},
        {{"Mcopy", "SBcopy", "N12"}, &TextPage::copy},
        {{"Mpast", "SBpast", "Paste1"}, &TextPage::paste},
        {{"Mdelete", "SBdelete", "N15"}, &TextPage::deleteSelection},
        {{"Mliecopy", "SBlinecopy", "N21"}, &TextPage::lineCopy},
        {{"Mlinepast", "SBlinepast", "N22"}, &TextPage::linePaste},
        {{"Mlinedelete", "SBlinedelete", "N23"}, &TextPage::lineDelete},
        {{"SBtop", nullptr, nullptr}, &TextPage::goTop},
        {{"SBbottom", nullptr, nullptr}, &TextPage::goBottom},
    };
    for (const Command& c : commands)
        for (const char* name : c.names)
            if (name)
                wire(name, [t, run = c.run] { (t->*run)(); });

    // The editor toolbar holds its buttons in groups.
    QToolBar* bar = t->toolBar();
    const char* const layout[] = {"SBcut",       "SBcopy", "SBpast",       "SBdelete",
                                  "-",           "SBdeleteall", "-",       "SBlinecopy",
                                  "SBlinepast",  "SBlinedelete", "-",      "SBtop",
                                  "SBbottom",    "-",      "SBmode0",      "SBmode1",
                                  "-",           "SBrepaint"};
    for (const char* name : layout) {
        if (QLatin1String(name) == QLatin1String("-"))
            bar->addSeparator();
        else
            bar->addAction(action(QLatin1String(name)));
    }
}

void MainWindow::updateEditActions(bool popup) {
    // Enabled as a menu opens; the tool buttons check for themselves.
    const bool selection = m_textPage->hasSelection();
    const bool clipboard = TextPage::clipboardHasText();
    const bool buffer = !m_state.lineBuffer.isEmpty();
    if (popup) {
        action(QStringLiteral("Paste1"))->setEnabled(clipboard);
        action(QStringLiteral("Cut1"))->setEnabled(selection);
        action(QStringLiteral("N12"))->setEnabled(selection);
        action(QStringLiteral("N15"))->setEnabled(selection);
        action(QStringLiteral("N22"))->setEnabled(buffer);
        return;
    }
    action(QStringLiteral("Mpast"))->setEnabled(clipboard);
    action(QStringLiteral("Mcut"))->setEnabled(selection);
    action(QStringLiteral("Mcopy"))->setEnabled(selection);
    action(QStringLiteral("Mdelete"))->setEnabled(selection);
    action(QStringLiteral("Mlinepast"))->setEnabled(buffer);
    action(QStringLiteral("Mundo"))->setEnabled(m_textPage->canUndo());
}

} // namespace zenpa::ui
