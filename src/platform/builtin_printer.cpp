#include "builtin_printer.h"

#include "core/units.h"
#include "font_backend.h"
#include "pdf_jobs.h"

#include <QPageSize>
#include <QSizeF>

namespace zenpa {

namespace {

double inches(double v, QPageSize::Unit unit) {
    switch (unit) {
    case QPageSize::Millimeter:
        return v / 25.4;
    case QPageSize::Point:
        return v / 72.0;
    case QPageSize::Inch:
        return v;
    case QPageSize::Pica:
        return v / 6.0;
    case QPageSize::Didot:
        return v * 0.376 / 25.4;
    case QPageSize::Cicero:
        return v * 4.512 / 25.4;
    }
    return v / 72.0;
}

QPageSize::PageSizeId builtinSize(int paperCode) {
    const QPageSize::PageSizeId id = QPageSize::id(paperCode);
    return paperCode == 0 || id == QPageSize::Custom ? QPageSize::A4 : id;
}

} // namespace

QPageLayout BuiltinPageLayout(int paperCode, bool landscape) {
    return QPageLayout(QPageSize(builtinSize(paperCode)),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

PageFacts BuiltinPageFacts(int paperCode, bool landscape) {
    const QPageSize size(builtinSize(paperCode));
    const QSizeF def = size.definitionSize();
    const QPageSize::Unit unit = size.definitionUnits();
    const int w = Round(inches(def.width(), unit) * kBuiltinPrinterDpi);
    const int h = Round(inches(def.height(), unit) * kBuiltinPrinterDpi);
    PageFacts f;
    const int x = landscape ? h : w;
    const int y = landscape ? w : h;
    f.page = PageGeometry{kBuiltinPrinterDpi, kBuiltinPrinterDpi, x, y, x, y, 0, 0};
    f.physicalKnown = true;
    return f;
}

bool BuiltinPrinterSystem::setPaperSize(int code) {
    if (code < 1 || code > 32767)
        return false;
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (id == QPageSize::Custom)
        return false;
    m_paper = code;
    return true;
}

} // namespace zenpa

namespace zenpa {

QStringList BuiltinPrinterSystem::fontFaces() const { return FontBackend::instance().faces(); }

std::unique_ptr<PrintJob> BuiltinPrinterSystem::beginJob(const PrintJobRequest& request,
                                                         QString& error) {
    return OpenPdfFileJob(request, BuiltinPageLayout(m_paper, m_landscape), kBuiltinPrinterDpi,
                          FontBackend::instance(), error);
}

} // namespace zenpa
