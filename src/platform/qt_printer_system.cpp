#include "qt_printer_system.h"

#include "cups_queue.h"
#include "font_backend.h"
#include "pdf_jobs.h"

#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

namespace zenpa {

namespace {

// Qt's CUPS engine keeps the driver options chosen in its dialogs under this
// key, as name/value pairs in one list.
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QStringList cupsOptionsOf(const QPrinter& printer) {
    return printer.printEngine()->property(kCupsOptionsKey).toStringList();
}

QPageLayout::Orientation orientationOf(bool landscape) {
    return landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

QtPrinterSystem::QtPrinterSystem(const FontBackend& fonts)
    : m_fonts(fonts), m_system(QPrinterInfo::availablePrinterNames()) {
    const int preferred = m_system.indexOf(QPrinterInfo::defaultPrinterName());
    if (!select(preferred >= 0 ? preferred : 0)) select(builtinIndex());
}

QtPrinterSystem::~QtPrinterSystem() = default;

QStringList QtPrinterSystem::printerNames() const {
    return m_system + QStringList{kBuiltinPrinterName};
}

void QtPrinterSystem::usePrinter(std::unique_ptr<QPrinter> printer, int index) {
    m_printer = std::move(printer);
    m_current = index;
    m_dpi = kBuiltinPrinterDpi;
    if (!m_printer) return;
    const int reported = CupsDefaultResolution(m_printer->printerName());
    m_dpi = reported > 0 ? reported : kFallbackDpi;
    m_printer->setResolution(m_dpi);
}

bool QtPrinterSystem::select(int index) {
    if (index == builtinIndex()) {
        m_builtin.setLandscape(m_landscape);
        usePrinter(nullptr, index);
        return true;
    }
    if (index < 0 || index >= builtinIndex()) return false;
    const QPrinterInfo info = QPrinterInfo::printerInfo(m_system[index]);
    if (info.isNull()) return false;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid()) return false;
    printer->setPageOrientation(orientationOf(m_landscape));
    usePrinter(std::move(printer), index);
    return true;
}

void QtPrinterSystem::setLandscape(bool landscape) {
    m_landscape = landscape;
    m_builtin.setLandscape(landscape);
    if (m_printer) m_printer->setPageOrientation(orientationOf(landscape));
}

int QtPrinterSystem::paperSize() const {
    if (!m_printer) return m_builtin.paperSize();
    return m_printer->pageLayout().pageSize().windowsId();
}

bool QtPrinterSystem::setPaperSize(int code) {
    if (code < -32768 || code > 32767) return false;
    if (!m_printer) return m_builtin.setPaperSize(code);
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (code <= 0 || id == QPageSize::Custom) return false;
    const QPrinterInfo info(*m_printer);
    bool offered = info.supportsCustomPageSizes();
    for (const QPageSize& size : info.supportedPageSizes())
        offered = offered || size.id() == id;
    if (!offered) return false;
    const QPageLayout before = m_printer->pageLayout();
    if (!m_printer->setPageSize(QPageSize(id)) || m_printer->pageLayout().pageSize().id() != id) {
        m_printer->setPageLayout(before);
        return false;
    }
    return true;
}

int QtPrinterSystem::resolution() const {
    return m_printer ? m_dpi : kBuiltinPrinterDpi;
}

PageFacts QtPrinterSystem::pageFacts() const {
    if (!m_printer) return m_builtin.pageFacts();
    const QPageLayout layout = m_printer->pageLayout();
    const QRect sheet = layout.fullRectPixels(m_dpi);
    const QRect area = layout.paintRectPixels(m_dpi);
    PageFacts f;
    f.page = PageGeometry{m_dpi,         m_dpi,          area.width(), area.height(),
                          sheet.width(), sheet.height(), area.x(),     area.y()};
    f.physicalKnown = true;
    return f;
}

QStringList QtPrinterSystem::fontFaces() const {
    return m_fonts.faces();
}

std::unique_ptr<PrintJob> QtPrinterSystem::beginJob(const PrintJobRequest& request,
                                                    QString& error) {
    if (!m_printer) return m_builtin.beginJob(request, error);
    const QPageLayout layout = m_printer->pageLayout();
    // The options a queue needs to print the page as drawn, then those the
    // user chose in the printer's dialogs.
    CupsOptions options;
    const auto add = [&options](const QByteArray& name, const QByteArray& value) {
        options.append(qMakePair(name, value));
    };
    add("media", layout.pageSize().key().toUtf8());
    switch (m_printer->duplex()) {
    case QPrinter::DuplexLongSide:
        add("sides", "two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        add("sides", "two-sided-short-edge");
        break;
    default:
        add("sides", "one-sided");
        break;
    }
    if (layout.orientation() == QPageLayout::Landscape) add("landscape", "");
    const QStringList chosen = cupsOptionsOf(*m_printer);
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        add(chosen[i].toUtf8(), chosen[i + 1].toUtf8());
    return OpenCupsJob(request, m_printer->printerName(), options, layout, m_dpi, m_fonts, error);
}

void QtPrinterSystem::refresh() {
    const QString current = m_printer ? m_printer->printerName() : QString();
    m_system = QPrinterInfo::availablePrinterNames();
    const int index = current.isEmpty() ? -1 : m_system.indexOf(current);
    if (index >= 0)
        m_current = index;
    else
        select(builtinIndex());
}

std::unique_ptr<QPrinter> QtPrinterSystem::dialogPrinter() const {
    if (!m_printer) {
        auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setPageLayout(BuiltinPageLayout(m_builtin.paperSize(), m_landscape));
        return pdf;
    }
    auto copy = std::make_unique<QPrinter>(QPrinterInfo(*m_printer), QPrinter::HighResolution);
    copy->setResolution(m_dpi);
    copy->setPageLayout(m_printer->pageLayout());
    copy->setDuplex(m_printer->duplex());
    copy->printEngine()->setProperty(kCupsOptionsKey, cupsOptionsOf(*m_printer));
    return copy;
}

bool QtPrinterSystem::adoptDialogPrinter(std::unique_ptr<QPrinter> printer) {
    const QPageLayout layout = printer->pageLayout();
    const bool landscape = layout.orientation() == QPageLayout::Landscape;
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        // A size the built-in printer does not know keeps its paper.
        m_builtin.setPaperSize(layout.pageSize().windowsId());
        setLandscape(landscape);
        return select(builtinIndex());
    }
    const QString name = printer->printerName();
    if (!m_system.contains(name)) refresh();
    const int index = m_system.indexOf(name);
    if (index < 0 || !printer->isValid()) return false;
    m_landscape = landscape;
    m_builtin.setLandscape(landscape);
    usePrinter(std::move(printer), index);
    return true;
}

} // namespace zenpa
