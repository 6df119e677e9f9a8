// Printing and the printer: the print command with its progress window, the
// print set-up, orientation, printer properties and printer settings
// commands, the paper label and the printer's name in the menu bar.

#include "core/paper_label.h"
#include "main_window.h"
#include "output/print_run.h"
#include "preview_widget.h"
#include "print_progress_window.h"
#include "text_page.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <exception>
#include <vector>

namespace zenpa::ui {

namespace {

// The progress window of one job, and the main window's controls that are
// disabled while it runs. end() puts every control back as it was, so a
// command that was disabled before printing stays disabled.
class WindowProgress : public PrintProgress {
public:
    explicit WindowProgress(MainWindow& window) : m_window(window) {}
    ~WindowProgress() override { end(); }

    void begin() override {
        for (const char* menu : {"Mfile", "Medit", "Mprint", "Mhelp", "Moption"})
            if (auto* m = m_window.findChild<QMenu*>(QLatin1String(menu))) lock(m->menuAction());
        for (const char* button : {"Bclose", "Bprint", "Bfont", "Bprinter"})
            if (auto* b = m_window.findChild<QPushButton*>(QLatin1String(button))) lock(b);
        lock(m_window.textPage()->editor());
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_cursor = true;
        m_dialog = new PrintProgressWindow(&m_window);
        m_dialog->show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    void showLine(const QString& text, int percent) override {
        m_dialog->showLine(text, percent);
        m_dialog->repaint();
    }

    void processEvents() override { QCoreApplication::processEvents(); }
    bool cancelRequested() const override { return m_dialog && m_dialog->cancelRequested(); }

    void end() override {
        delete m_dialog.data();
        for (auto it = m_widgets.rbegin(); it != m_widgets.rend(); ++it)
            if (it->first) it->first->setEnabled(it->second);
        for (auto it = m_actions.rbegin(); it != m_actions.rend(); ++it)
            if (it->first) it->first->setEnabled(it->second);
        m_widgets.clear();
        m_actions.clear();
        if (m_cursor) QApplication::restoreOverrideCursor();
        m_cursor = false;
    }

private:
    void lock(QWidget* w) {
        m_widgets.emplace_back(w, w->isEnabled());
        w->setEnabled(false);
    }
    void lock(QAction* a) {
        m_actions.emplace_back(a, a->isEnabled());
        a->setEnabled(false);
    }

    MainWindow& m_window;
    QPointer<PrintProgressWindow> m_dialog;
    std::vector<std::pair<QPointer<QWidget>, bool>> m_widgets;
    std::vector<std::pair<QPointer<QAction>, bool>> m_actions;
    bool m_cursor = false;
};

} // namespace

void MainWindow::setupPrintActions() {
    const auto button = [this](const char* name, void (MainWindow::*run)()) {
        auto* b = findChild<QPushButton*>(QLatin1String(name));
        b->setEnabled(true);
        connect(b, &QPushButton::clicked, this, run);
    };
    for (const char* name : {"KP1", "KP3", "KP5", "SBprint"})
        wire(name, &MainWindow::printDocument);
    button("Bprint", &MainWindow::printDocument);
    for (const char* name : {"Mprinter", "KS2", "KS3", "SBpaper", "MPrinterName"})
        wire(name, &MainWindow::printerSetup);
    button("Bprinter", &MainWindow::printerSetup);
    button("Lpaper", &MainWindow::printerSetup);
    wire("SBorient", &MainWindow::toggleOrientation);
    wire("Mdocument", &MainWindow::printerProperties);
    wire("MprinterCP", &MainWindow::openPrinterControlPanel);
    updatePrintActions();
}

void MainWindow::updatePrintActions() {
    PrinterSystem& printer = m_state.printer();
    m_paperLabel->setText(
        PaperLabel(printer.paperSize(), printer.pageFacts().page, m_state.windowDpi));
    action(QStringLiteral("MPrinterName"))->setText(printer.currentName());
}

void MainWindow::printDocument() {
    // The range of the last preview run prints; a redraw still waiting runs first.
    m_preview->flush();
    try {
        WindowProgress progress(*this);
        RunPrintCommand(m_state, m_decorations, progress, *m_interaction);
    } catch (const std::exception& e) {
        m_interaction->error(kPrintFailedMessage + QLatin1Char('\n') +
                             QString::fromLocal8Bit(e.what()));
    }
}

void MainWindow::adoptPrinterChoice() {
    const PrinterSystem& printer = m_state.printer();
    FormatRecord& f = m_state.doc.format;
    f.Printer.Index = printer.currentIndex();
    f.Printer.Orientation = printer.landscape();
    f.Paper.Name = printer.paperSize();
    m_state.notify(kChangePrinter);
    m_state.requestRedraw();
}

void MainWindow::printerSetup() {
    if (m_interaction->printerSetup(m_state.printer())) adoptPrinterChoice();
}

void MainWindow::toggleOrientation() {
    PrinterSystem& printer = m_state.printer();
    printer.setLandscape(!printer.landscape());
    m_state.doc.format.Printer.Orientation = printer.landscape();
    m_state.notify(kChangePrinter);
    m_state.requestRedraw();
}

void MainWindow::printerProperties() {
    bool accepted = false;
    try {
        accepted = m_interaction->printerProperties(m_state.printer());
    } catch (const std::exception&) {
        // The driver's dialog failing changes nothing.
    }
    // The dialog may have changed the paper: the page and its label follow.
    if (accepted)
        adoptPrinterChoice();
    else
        updatePrintActions();
}

void MainWindow::openPrinterControlPanel() {
    m_interaction->openPrinterSettings();
    updatePrintActions();
}

} // namespace zenpa::ui
