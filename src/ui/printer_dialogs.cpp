#include "printer_dialogs.h"

#include "platform/qt_printer_system.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

#include <exception>

namespace zenpa::ui {

namespace {

// A printer system other than Qt's (a single fixed printer) is set up through
// a PDF printer of its paper and orientation.
std::unique_ptr<QPrinter> standIn(const PrinterSystem& printers) {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    const QPageSize::PageSizeId id = QPageSize::id(printers.paperSize());
    p->setPageSize(QPageSize(id == QPageSize::Custom ? QPageSize::A4 : id));
    p->setPageOrientation(printers.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    return p;
}

bool adopt(PrinterSystem& printers, std::unique_ptr<QPrinter> chosen) {
    if (auto* qt = dynamic_cast<QtPrinterSystem*>(&printers))
        return qt->adoptDialogPrinter(std::move(chosen));
    printers.setPaperSize(chosen->pageLayout().pageSize().windowsId());
    printers.setLandscape(chosen->pageLayout().orientation() == QPageLayout::Landscape);
    return true;
}

std::unique_ptr<QPrinter> dialogPrinter(PrinterSystem& printers) {
    if (auto* qt = dynamic_cast<QtPrinterSystem*>(&printers)) {
        qt->refresh();
        return qt->dialogPrinter();
    }
    return standIn(printers);
}

} // namespace

bool RunPrinterSetupDialog(QWidget* parent, PrinterSystem& printers) {
    std::unique_ptr<QPrinter> printer = dialogPrinter(printers);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("用紙の設定"));
    // Its file entry stands for the built-in "PDFファイル" printer; copies and
    // ranges do not apply to a one-page sign.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog chooses; it does not print.
    if (auto* box = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    if (dialog.exec() != QDialog::Accepted) return false;
    return adopt(printers, std::move(printer));
}

bool RunPrinterPropertiesDialog(QWidget* parent, PrinterSystem& printers) {
    try {
        std::unique_ptr<QPrinter> printer = dialogPrinter(printers);
        QPageSetupDialog dialog(printer.get(), parent);
        dialog.setWindowTitle(QStringLiteral("プリンターのプロパティ"));
        if (dialog.exec() != QDialog::Accepted) return false;
        return adopt(printers, std::move(printer));
    } catch (const std::exception&) {
        return false;
    }
}

void OpenPrinterSettings() {
    struct Tool {
        const char* program;
        const char* argument;
    };
    // The desktop's own printer tools first, then the spooler's web pages.
    for (const Tool& t :
         {Tool{"system-config-printer", nullptr}, Tool{"gnome-control-center", "printers"},
          Tool{"kcmshell6", "kcm_printer_manager"}, Tool{"kcmshell5", "kcm_printer_manager"}}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(t.program));
        if (path.isEmpty()) continue;
        const QStringList args =
            t.argument ? QStringList{QLatin1String(t.argument)} : QStringList{};
        if (QProcess::startDetached(path, args)) return;
    }
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://localhost:631/printers/")));
}

} // namespace zenpa::ui
