#pragma once

// The main window "ゼンパ": the preview on the left, the settings pages on the
// right, the menus, the main toolbar and the status bar. Commands are split
// by menu into MainWindow_*.cpp, each with its setup…() / update…() pair.

#include "core/app_state.h"
#include "core/interaction.h"
#include "decor/decorations.h"
#include "platform/measuring_canvas.h"

#include <QHash>

#include <functional>
#include <memory>
#include <QMainWindow>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;

namespace zenpa {
class FileCommands;
class FontBackend;
class PreviewPanel;
} // namespace zenpa

namespace zenpa::ui {

class ColorChooser;
class FontPage;
class FramePage;
class RangePage;
class StylePage;
class TextPage;

class MainWindow : public QMainWindow, public AppObserver {
    Q_OBJECT
public:
    // interaction answers the commands' questions and dialogs; null: the
    // window's own message boxes and dialogs.
    MainWindow(AppState& state, const FontBackend& fonts, Interaction* interaction = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The action of a menu item, popup item or tool button by its name.
    QAction* action(const QString& name) const { return m_actions.value(name); }
    TextPage* textPage() const { return m_textPage; }
    StylePage* stylePage() const { return m_stylePage; }
    RangePage* rangePage() const { return m_rangePage; }
    FontPage* fontPage() const { return m_fontPage; }
    FramePage* framePage() const { return m_framePage; }
    PreviewPanel* preview() const { return m_preview; }
    QTabWidget* pages() const { return m_tabs; }
    // The settings page shown, and bringing one to the front.
    QWidget* currentPage() const;
    void showPage(QWidget* page);
    QComboBox* fontBox() const { return m_fontBox; }
    QMenu* editorPopup() const { return m_editorPopup; }
    QMenu* mainPopup() const { return m_mainPopup; }
    QString statusText(int panel) const;
    Interaction& interaction() const { return *m_interaction; }
    // The file commands, and the start-up read and shut-down write.
    FileCommands& files() const { return *m_files; }

    void stateChanged(unsigned changes) override;

    // The commands of this window that other code and tests run directly.
    void switchMode();
    void redrawPreview();

protected:
    bool event(QEvent* event) override;
    // Every close request keeps the document for the next start.
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createRegions();
    void createStatusBar();
    void wire(const char* name, void (MainWindow::*slot)());
    void wire(const char* name, std::function<void()> run);

    // MainWindow_Edit.cpp
    void setupEditActions();
    void updateEditActions(bool popup);
    // MainWindow_View.cpp: display mode, redraw, size and alignment buttons
    void setupViewActions();
    void updateViewActions();
    // MainWindow_File.cpp: the file commands, exit, dropped files, the window's place
    void setupFileActions();
    // MainWindow_Font.cpp: the effect buttons and the gradation menu item
    void setupFontActions();
    void updateFontActions();
    void toggleGradation();
    // MainWindow_Print.cpp: printing and the printer
    void setupPrintActions();
    void updatePrintActions();
    void printDocument();
    void printerSetup();
    void toggleOrientation();
    void printerProperties();
    void openPrinterControlPanel();
    void adoptPrinterChoice();

    void afterRender();
    void onPageChanged(int index);
    QWidget* pageAt(int index) const;
    void showHint(const QString& hint);

    AppState& m_state;
    const FontBackend& m_fonts;
    std::unique_ptr<Interaction> m_ownInteraction;
    Interaction* m_interaction;
    MeasuringCanvas m_printerCanvas;
    Decorations m_decorations;
    QHash<QString, QAction*> m_actions;
    QMenu* m_editMenu = nullptr;
    QMenu* m_editorPopup = nullptr;
    QMenu* m_mainPopup = nullptr;
    QTabWidget* m_tabs = nullptr;
    TextPage* m_textPage = nullptr;
    StylePage* m_stylePage = nullptr;
    RangePage* m_rangePage = nullptr;
    std::unique_ptr<ColorChooser> m_colorChooser;
    FontPage* m_fontPage = nullptr;
    FramePage* m_framePage = nullptr;
    PreviewPanel* m_preview = nullptr;
    QComboBox* m_fontBox = nullptr;
    QPushButton* m_paperLabel = nullptr;
    QSplitter* m_splitter = nullptr;
    QLabel* m_status[3] = {nullptr, nullptr, nullptr};
    std::unique_ptr<FileCommands> m_files;
};

} // namespace zenpa::ui
