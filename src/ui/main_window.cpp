#include "main_window.h"

#include "color_list.h"
#include "command_specs.h"
#include "files/file_commands.h"
#include "font_page.h"
#include "frame_page.h"
#include "platform/font_backend.h"
#include "preview_widget.h"
#include "range_page.h"
#include "style_page.h"
#include "text_page.h"
#include "widget_interaction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace zenpa::ui {

MainWindow::MainWindow(AppState& state, const FontBackend& fonts, Interaction* interaction,
                       QWidget* parent)
    : QMainWindow(parent), m_state(state), m_fonts(fonts),
      m_ownInteraction(interaction ? nullptr : std::make_unique<WidgetInteraction>(this)),
      m_interaction(interaction ? interaction : m_ownInteraction.get()), m_printerCanvas(fonts) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("ゼンパ"));
    createActions();
    createMenus();
    createToolBar();
    createRegions();
    createStatusBar();
    setupFileActions();
    setupEditActions();
    setupViewActions();
    setupFontActions();
    setupPrintActions();
    m_state.addObserver(this);
    resize(885, 589);
    updateViewActions();
}

MainWindow::~MainWindow() { m_state.removeObserver(this); }

void MainWindow::createActions() {
    auto make = [this](const CommandSpec& c) {
        if (QLatin1String(c.name) == QLatin1String("-") || m_actions.contains(QLatin1String(c.name)))
            return;
        auto* a = new QAction(QString::fromUtf16(c.text), this);
        a->setObjectName(QLatin1String(c.name));
        if (c.hint) {
            const QString hint = QString::fromUtf16(c.hint);
            a->setToolTip(ShortHint(hint));
            a->setStatusTip(LongHint(hint));
        }
        if (c.shortcut)
            a->setShortcut(QKeySequence(QLatin1String(c.shortcut)));
        // Every command starts disabled; the features that implement one enable it.
        a->setEnabled(false);
        m_actions.insert(a->objectName(), a);
    };
    for (const auto& table : {MenuCommands(), MainToolButtons(), EditorToolButtons()})
        for (const CommandSpec& c : table)
            make(c);
    // Submenu holders are always enabled; their items decide.
    for (const char* holder : {"JpegJ1", "Mmode", "Mzenpa", "Mzpsreg"})
        m_actions[QLatin1String(holder)]->setEnabled(true);
}

void MainWindow::createMenus() {
    for (const MenuSpec& m : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf16(m.title));
        menu->setObjectName(QLatin1String(m.name));
        QMenu* current = menu;
        for (const char* item : m.items) {
            const QString name = QLatin1String(item);
            if (name == QLatin1String("-")) {
                current->addSeparator();
            } else if (name.startsWith(QLatin1Char('>'))) {
                QAction* holder = m_actions.value(name.mid(1));
                current = menu->addMenu(holder->text());
                current->setObjectName(name.mid(1));
            } else if (name == QLatin1String("<")) {
                current = menu;
            } else {
                current->addAction(m_actions.value(name));
            }
        }
        if (m.name == QLatin1String("Medit")) {
            m_editMenu = menu;
            connect(menu, &QMenu::aboutToShow, this, [this] { updateEditActions(false); });
        }
    }
    QAction* printer = m_actions.value(QStringLiteral("MPrinterName"));
    printer->setText(m_state.printer().currentName());
    menuBar()->addAction(printer);

    m_mainPopup = new QMenu(this);
    m_mainPopup->setObjectName(QStringLiteral("PopupMenu1"));
    for (const char* item : MainPopupLayout()) {
        if (QLatin1String(item) == QLatin1String("-"))
            m_mainPopup->addSeparator();
        else
            m_mainPopup->addAction(m_actions.value(QLatin1String(item)));
    }
    m_editorPopup = new QMenu(this);
    m_editorPopup->setObjectName(QStringLiteral("PopupMenu2"));
    for (const char* item : EditorPopupLayout())
        m_editorPopup->addAction(m_actions.value(QLatin1String(item)));
    connect(m_editorPopup, &QMenu::aboutToShow, this, [this] { updateEditActions(true); });
}

void MainWindow::createToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("ToolBar2"));
    bar->setObjectName(QStringLiteral("ToolBar2"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const CommandSpec& c : MainToolButtons()) {
        if (QLatin1String(c.name) == QLatin1String("-"))
            bar->addSeparator();
        else
            bar->addAction(m_actions.value(QLatin1String(c.name)));
    }
}

void MainWindow::createRegions() {
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->setHandleWidth(8);
    m_splitter->setChildrenCollapsible(false);

    // Left: the font box and the paper label above the preview.
    auto* left = new QWidget(m_splitter);
    left->setObjectName(QStringLiteral("PanelL"));
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    auto* strip = new QWidget(left);
    strip->setObjectName(QStringLiteral("PanelL1"));
    strip->setFixedHeight(32);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 2, 4, 2);
    m_fontBox = new QComboBox(strip);
    m_fontBox->setObjectName(QStringLiteral("CBfont"));
    m_fontBox->setEditable(true);
    m_fontBox->setInsertPolicy(QComboBox::NoInsert);
    m_fontBox->addItems(m_fonts.faces());
    m_fontBox->setMinimumWidth(200);
    m_fontBox->setEditText(m_state.doc.format.Font.Name);
    m_paperLabel = new QPushButton(strip);
    m_paperLabel->setObjectName(QStringLiteral("Lpaper"));
    m_paperLabel->setFlat(true);
    m_paperLabel->setEnabled(false);
    stripLayout->addWidget(m_fontBox);
    stripLayout->addWidget(m_paperLabel);
    stripLayout->addStretch();
    m_preview = new PreviewPanel(m_state, m_printerCanvas, m_decorations, m_fonts, left);
    leftLayout->addWidget(strip);
    leftLayout->addWidget(m_preview, 1);

    // Right: the pages above the big buttons.
    auto* right = new QWidget(m_splitter);
    right->setObjectName(QStringLiteral("PanelR"));
    right->setMaximumWidth(500);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget(right);
    m_tabs->setObjectName(QStringLiteral("PC"));
    m_tabs->setUsesScrollButtons(true);
    m_textPage = new TextPage(m_state, m_tabs);
    m_stylePage = new StylePage(m_state, m_tabs);
    m_rangePage = new RangePage(m_state, m_printerCanvas, m_tabs);
    m_colorChooser = std::make_unique<ColorChooser>(m_state, *m_interaction);
    m_fontPage = new FontPage(m_state, *m_colorChooser, m_tabs);
    m_framePage = new FramePage(m_state, *m_colorChooser, m_tabs);
    auto placeholder = [this](const char* name) {
        auto* page = new QWidget(m_tabs);
        page->setObjectName(QLatin1String(name));
        page->setEnabled(false);
        return page;
    };
    // Settings pages scroll rather than hold the window at their full height.
    auto scrolling = [this](QWidget* page) {
        auto* area = new QScrollArea(m_tabs);
        area->setFrameShape(QFrame::NoFrame);
        area->setWidgetResizable(true);
        area->setWidget(page);
        return area;
    };
    m_tabs->addTab(m_textPage, QStringLiteral("テキスト"));
    m_tabs->addTab(scrolling(m_fontPage), QStringLiteral("フォント"));
    m_tabs->addTab(placeholder("TS6"), QStringLiteral("行設定"));
    m_tabs->addTab(scrolling(m_stylePage), QStringLiteral("スタイル"));
    m_tabs->addTab(scrolling(m_framePage), QStringLiteral("枠･背景"));
    m_tabs->addTab(scrolling(m_rangePage), QStringLiteral("範囲"));
    m_tabs->addTab(placeholder("TS7"), QStringLiteral("画像"));
    m_tabs->addTab(placeholder("TS8"), QStringLiteral("フォント効果"));
    m_tabs->addTab(placeholder("TS9"), QStringLiteral("拡大印刷"));
    auto* buttons = new QWidget(right);
    buttons->setObjectName(QStringLiteral("PanelRB"));
    auto* buttonLayout = new QHBoxLayout(buttons);
    struct Big {
        const char* name;
        const char16_t* text;
    };
    for (const Big& b : {Big{"Bfont", u"ﾌｫﾝﾄ(&T)"}, Big{"Bprinter", u"用紙(&Y)"},
                         Big{"Bprint", u"印刷(&P)"}, Big{"Bclose", u"終了(&X)"}}) {
        auto* button = new QPushButton(QString::fromUtf16(b.text), buttons);
        button->setObjectName(QLatin1String(b.name));
        button->setEnabled(false);
        buttonLayout->addWidget(button);
    }
    rightLayout->addWidget(m_tabs, 1);
    rightLayout->addWidget(buttons);

    m_splitter->addWidget(left);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setSizes({385, 500});
    m_splitter->handle(1)->setStatusTip(
        QStringLiteral("マウスでドラッグすると、印刷画面が大きくなります。"));
    setCentralWidget(m_splitter);

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::onPageChanged);
    connect(m_preview, &PreviewPanel::rendered, this, &MainWindow::afterRender);
    connect(m_textPage, &TextPage::wantsFront, this, [this] { showPage(m_textPage); });
    connect(m_textPage->editor(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_editorPopup->popup(m_textPage->editor()->mapToGlobal(at)); });
    connect(m_fontBox, &QComboBox::activated, this, [this](int index) {
        m_state.doc.format.Font.Name = m_fontBox->itemText(index);
        m_state.requestRedraw();
    });
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    const int widths[3] = {400, 400, 50};
    for (int i = 0; i < 3; ++i) {
        m_status[i] = new QLabel(bar);
        m_status[i]->setFixedWidth(widths[i]);
        m_status[i]->setFrameShape(QFrame::StyledPanel);
        bar->addWidget(m_status[i]);
    }
}

QString MainWindow::statusText(int panel) const {
    return panel >= 0 && panel < 3 ? m_status[panel]->text() : QString();
}

void MainWindow::showHint(const QString& hint) { m_status[0]->setText(LongHint(hint)); }

bool MainWindow::event(QEvent* event) {
    // Hints of whatever the pointer rests on go to the first status panel.
    if (event->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    m_mainPopup->popup(event->globalPos());
}

void MainWindow::wire(const char* name, void (MainWindow::*slot)()) {
    QAction* a = m_actions.value(QLatin1String(name));
    Q_ASSERT(a);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, slot);
}

void MainWindow::wire(const char* name, std::function<void()> run) {
    QAction* a = m_actions.value(QLatin1String(name));
    Q_ASSERT(a);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
}

void MainWindow::stateChanged(unsigned changes) {
    if (changes & (kChangeFormat | kChangeText))
        updateViewActions();
    if (changes & kChangeFormat)
        updateFontActions();
    if (changes & kChangePrinter)
        updatePrintActions();
}

void MainWindow::afterRender() {
    // The face box shows the main face when the list has it.
    const QString& face = m_state.doc.format.Font.Name;
    const int index = m_fontBox->findText(face, Qt::MatchFixedString);
    if (index >= 0)
        m_fontBox->setCurrentIndex(index);
    m_stylePage->refreshLabels();
    m_framePage->refreshLabels();
    m_rangePage->showSettings();
    m_textPage->refreshStatus();
}

QWidget* MainWindow::pageAt(int index) const {
    QWidget* w = m_tabs->widget(index);
    if (auto* area = qobject_cast<QScrollArea*>(w))
        return area->widget();
    return w;
}

void MainWindow::showPage(QWidget* page) {
    for (int i = 0; i < m_tabs->count(); ++i)
        if (pageAt(i) == page)
            m_tabs->setCurrentIndex(i);
}

QWidget* MainWindow::currentPage() const { return pageAt(m_tabs->currentIndex()); }

void MainWindow::onPageChanged(int index) {
    QWidget* page = pageAt(index);
    if (page == m_textPage)
        m_textPage->editor()->setFocus();
    else if (page == m_stylePage)
        m_stylePage->sizeGroup()->setFocus();
    else if (page == m_framePage)
        m_framePage->frameCheck()->setFocus();
    else if (page == m_rangePage)
        m_rangePage->modeGroup()->setFocus();
}

void MainWindow::redrawPreview() { m_state.requestRedraw(); }

} // namespace zenpa::ui
