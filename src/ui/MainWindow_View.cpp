// The display mode, the redraw and the size and alignment tool buttons.

#include "main_window.h"
#include "style_page.h"
#include "text_page.h"

#include <QAction>
#include <QActionGroup>

namespace zenpa::ui {

void MainWindow::setupViewActions() {
    for (const char* name : {"Mmode0", "Mmode1", "SBmode0", "SBmode1"}) {
        action(QLatin1String(name))->setCheckable(true);
        wire(name, &MainWindow::switchMode);
    }
    for (const char* name : {"KR1", "SBrepaint"})
        wire(name, &MainWindow::redrawPreview);

    // The size and alignment buttons stay pressed and select their item.
    auto group = [this](std::initializer_list<const char*> names, auto select) {
        auto* g = new QActionGroup(this);
        g->setExclusive(true);
        int item = 0;
        for (const char* name : names) {
            QAction* a = action(QLatin1String(name));
            a->setCheckable(true);
            g->addAction(a);
            wire(name, [select, item] { select(item); });
            ++item;
        }
    };
    group({"SBsize0", "SBsize1"}, [this](int item) { m_stylePage->selectSize(item); });
    group({"SBleft", "SBcenter", "SBright"}, [this](int item) { m_stylePage->selectAlign(item); });
    connect(m_stylePage, &StylePage::sizeChanged, this, [this] { updateViewActions(); });
    connect(m_stylePage, &StylePage::alignChanged, this, [this] { updateViewActions(); });
}

void MainWindow::updateViewActions() {
    const FormatRecord& f = m_state.doc.format;
    const bool real = f.Prop.Mode;
    action(QStringLiteral("Mmode0"))->setChecked(real);
    action(QStringLiteral("SBmode0"))->setChecked(real);
    action(QStringLiteral("Mmode1"))->setChecked(!real);
    action(QStringLiteral("SBmode1"))->setChecked(!real);
    const char* sizes[] = {"SBsize0", "SBsize1"};
    if (f.Prop.Size >= 0 && f.Prop.Size < 2)
        action(QLatin1String(sizes[f.Prop.Size]))->setChecked(true);
    const char* aligns[] = {"SBleft", "SBcenter", "SBright"};
    if (f.Prop.Set >= 0 && f.Prop.Set < 3)
        action(QLatin1String(aligns[f.Prop.Set]))->setChecked(true);
}

void MainWindow::switchMode() {
    // Every one of the four controls switches to the other mode.
    m_state.doc.format.Prop.Mode = !m_state.doc.format.Prop.Mode;
    updateViewActions();
    m_textPage->refreshStatus();
    m_state.requestRedraw();
}

} // namespace zenpa::ui
