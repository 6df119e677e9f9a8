// The print command with its progress window, and the printer commands, on
// the built-in PDF printer with scripted dialogs.

#include "platform/qt_printer_system.h"
#include "ui/print_progress_window.h"
#include "ui/printer_dialogs.h"
#include "window_fixture.h"

#include <QDialog>

#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace zenpa {
namespace {

using test::WindowTest;

class PrintCommands : public WindowTest {
protected:
    QPushButton* button(const char* name) const {
        return window->findChild<QPushButton*>(QLatin1String(name));
    }
    QMenu* menu(const char* name) const { return window->findChild<QMenu*>(QLatin1String(name)); }
    ui::PrintProgressWindow* progressWindow() const {
        return window->findChild<ui::PrintProgressWindow*>();
    }

    // Enabled states of what a job disables: the five menus, four buttons, the editor.
    QList<bool> lockables() const {
        QList<bool> out;
        for (const char* m : {"Mfile", "Medit", "Mprint", "Mhelp", "Moption"})
            out.push_back(menu(m)->menuAction()->isEnabled());
        for (const char* b : {"Bclose", "Bprint", "Bfont", "Bprinter"})
            out.push_back(button(b)->isEnabled());
        out.push_back(editor()->isEnabled());
        return out;
    }

    void twoLines() {
        editor()->setPlainText(QStringLiteral("大売出し\n本日限り"));
        settle();
    }
    QString paperLabel() const { return button("Lpaper")->text(); }

    QTemporaryDir dir;
};

TEST_F(PrintCommands, EveryPrintControlWarnsOnAnEmptyEditor) {
    for (const char* name : {"KP1", "KP3", "KP5", "SBprint"})
        trigger(name);
    button("Bprint")->click();
    ASSERT_EQ(answers.messages.size(), 5u);
    for (const auto& m : answers.messages) {
        EXPECT_EQ(m.text, QStringLiteral("テキストがありません！"));
        EXPECT_EQ(m.kind, MessageKind::Warning);
        EXPECT_EQ(m.buttons, Buttons::Yes);
    }
    EXPECT_TRUE(answers.fileDialogs.empty());
    EXPECT_EQ(progressWindow(), nullptr);
}

TEST_F(PrintCommands, PrintsThePdfAndGivesEveryControlBackAsItWas) {
    twoLines();
    const QList<bool> before = lockables();
    ASSERT_FALSE(button("Bfont")->isEnabled()); // a command still to come stays disabled
    const QString pdf = dir.filePath(QStringLiteral("sign.pdf"));
    answers.files.push_back(pdf);
    const int renderCount = renders();

    // What the window shows while the job runs, seen from inside its event loop.
    QList<bool> during;
    QString caption, label1, label2;
    bool modal = false;
    QTimer peek;
    peek.setInterval(0);
    QObject::connect(&peek, &QTimer::timeout, [&] {
        if (ui::PrintProgressWindow* w = progressWindow(); w && during.isEmpty()) {
            during = lockables();
            caption = w->windowTitle();
            label1 = w->stateLabel()->text();
            label2 = w->lineLabel()->text();
            modal = w->isModal() && w->isVisible();
        }
    });
    peek.start();
    trigger("KP1");
    peek.stop();

    EXPECT_EQ(during, QList<bool>(before.size(), false));
    EXPECT_EQ(caption, QStringLiteral("ゼンパ"));
    EXPECT_EQ(label1, QStringLiteral("印刷中"));
    EXPECT_EQ(label2, QStringLiteral("未処理"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_EQ(lockables(), before);
    EXPECT_GT(renders(), renderCount); // the preview is drawn again
    ASSERT_EQ(answers.fileDialogs.size(), 1u);
    EXPECT_EQ(answers.fileDialogs[0].fileName, QStringLiteral("ZENPA.pdf"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(PrintCommands, CancelDuringTheFirstLinePrintsNothing) {
    editor()->setPlainText(QStringLiteral("一\n二\n三"));
    settle();
    const QString pdf = dir.filePath(QStringLiteral("sign.pdf"));
    answers.files.push_back(pdf);
    QStringList seen;
    int bar = -1;
    QTimer peek;
    peek.setInterval(0);
    QObject::connect(&peek, &QTimer::timeout, [&] {
        ui::PrintProgressWindow* w = progressWindow();
        if (!w || seen.contains(w->lineLabel()->text())) return;
        seen.push_back(w->lineLabel()->text());
        if (w->lineLabel()->text() == QStringLiteral("1 / 3 行")) {
            bar = w->bar()->value();
            w->cancelButton()->click();
        }
    });
    peek.start();
    button("Bprint")->click();
    settle();
    peek.stop();
    EXPECT_EQ(seen, (QStringList{"未処理", "1 / 3 行"}));
    EXPECT_EQ(bar, 33);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(answers.messages.empty()); // a cancel says nothing
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_TRUE(editor()->isEnabled());
}

TEST_F(PrintCommands, FailureIsReportedOnceTheControlsAreBack) {
    twoLines();
    const QList<bool> before = lockables();
    answers.files.push_back(QStringLiteral("/no/such/dir/sign.pdf"));
    trigger("SBprint");
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(answers.messages[0].text.startsWith(QStringLiteral("印刷できませんでした。\n")));
    EXPECT_TRUE(answers.messages[0].text.contains(QStringLiteral("/no/such/dir/sign.pdf")));
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_EQ(lockables(), before);
}

TEST_F(PrintCommands, SetupRunsFromEveryControlAndCancelChangesNothing) {
    const QString label = paperLabel();
    const QString caption = action("MPrinterName")->text();
    const int renderCount = renders();
    EXPECT_EQ(label, QStringLiteral("A4 210x297"));
    EXPECT_EQ(caption, QStringLiteral("PDFファイル"));
    for (const char* name : {"Mprinter", "KS2", "KS3", "SBpaper", "MPrinterName"})
        trigger(name);
    button("Bprinter")->click();
    button("Lpaper")->click();
    settle();
    EXPECT_EQ(answers.printerSetups, 7);
    EXPECT_EQ(paperLabel(), label);
    EXPECT_EQ(action("MPrinterName")->text(), caption);
    EXPECT_EQ(renders(), renderCount);
}

TEST_F(PrintCommands, SetupOkTakesThePaperAndOrientationIntoTheDocument) {
    const QSize landscapeBox = window->preview()->box()->size();
    answers.setupAnswers.push_back([](PrinterSystem& p) {
        p.setPaperSize(11);
        p.setLandscape(false);
        return true;
    });
    const int renderCount = renders();
    trigger("SBpaper");
    EXPECT_EQ(state.doc.format.Paper.Name, 11);
    EXPECT_FALSE(state.doc.format.Printer.Orientation);
    EXPECT_EQ(state.doc.format.Printer.Index, 0);
    EXPECT_EQ(paperLabel(), QStringLiteral("A5 148x210"));
    EXPECT_GT(renders(), renderCount);
    EXPECT_LT(window->preview()->box()->width(), landscapeBox.width()); // now portrait
}

TEST_F(PrintCommands, OrientationToggledTwiceGivesTheSamePreview) {
    twoLines();
    const QImage first = window->preview()->box()->image();
    const bool landscape = state.doc.format.Printer.Orientation;
    trigger("SBorient");
    EXPECT_EQ(state.doc.format.Printer.Orientation, !landscape);
    EXPECT_EQ(printer.landscape(), !landscape);
    const QSize turned = window->preview()->box()->image().size();
    EXPECT_NE(turned.width() > turned.height(), first.width() > first.height());
    trigger("SBorient");
    EXPECT_EQ(state.doc.format.Printer.Orientation, landscape);
    EXPECT_EQ(window->preview()->box()->image(), first);
}

TEST_F(PrintCommands, PropertiesAndPrinterSettings) {
    // Cancelled properties: nothing redrawn.
    int renderCount = renders();
    trigger("Mdocument");
    EXPECT_EQ(answers.printerPropertiesShown, 1);
    EXPECT_EQ(renders(), renderCount);
    // Accepted properties that change the paper: the page and the label follow.
    answers.propertiesAnswers.push_back([](PrinterSystem& p) { return p.setPaperSize(8); });
    trigger("Mdocument");
    EXPECT_EQ(paperLabel(), QStringLiteral("A3 297x420"));
    EXPECT_EQ(state.doc.format.Paper.Name, 8);
    EXPECT_GT(renders(), renderCount);

    renderCount = renders();
    trigger("MprinterCP");
    EXPECT_EQ(answers.printerSettingsOpened, 1);
    EXPECT_EQ(action("MPrinterName")->text(), QStringLiteral("PDFファイル"));
    EXPECT_EQ(renders(), renderCount);
}

// Answers the next modal dialog as soon as it is shown.
void answerNextDialog(bool accept, QString* title) {
    QTimer::singleShot(0, [accept, title] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        *title = dialog->windowTitle();
        accept ? dialog->accept() : dialog->reject();
    });
}

TEST(PrinterDialogs, PlatformDialogsOnThePrinters) {
    QtPrinterSystem printers(FontBackend::instance());
    const int builtin = static_cast<int>(printers.printerNames().size()) - 1;
    ASSERT_TRUE(printers.select(builtin));
    ASSERT_TRUE(printers.setPaperSize(11));
    printers.setLandscape(true);
    QString title;

    // Cancel changes nothing.
    answerNextDialog(false, &title);
    EXPECT_FALSE(ui::RunPrinterSetupDialog(nullptr, printers));
    EXPECT_EQ(title, QStringLiteral("用紙の設定"));
    answerNextDialog(false, &title);
    EXPECT_FALSE(ui::RunPrinterPropertiesDialog(nullptr, printers));
    EXPECT_EQ(title, QStringLiteral("プリンターのプロパティ"));
    EXPECT_EQ(printers.currentIndex(), builtin);
    EXPECT_EQ(printers.paperSize(), 11);
    EXPECT_TRUE(printers.landscape());

    // OK on the built-in printer's page: its paper and orientation as shown.
    answerNextDialog(true, &title);
    EXPECT_TRUE(ui::RunPrinterPropertiesDialog(nullptr, printers));
    EXPECT_EQ(printers.currentIndex(), builtin);
    EXPECT_EQ(printers.paperSize(), 11);
    EXPECT_TRUE(printers.landscape());
}

} // namespace
} // namespace zenpa
