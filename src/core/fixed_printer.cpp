#include "fixed_printer.h"

#include <utility>

namespace zenpa {

FixedPrinterSystem::FixedPrinterSystem(PageFacts portrait, QString name)
    : m_portrait(portrait), m_name(std::move(name)) {}

bool FixedPrinterSystem::setPaperSize(int code) {
    if (code < 1 || code > 32767)
        return false;
    m_paper = code;
    return true;
}

PageFacts FixedPrinterSystem::pageFacts() const {
    if (!m_landscape || m_fixed)
        return m_portrait;
    PageFacts f = m_portrait;
    const PageGeometry& p = m_portrait.page;
    f.page = PageGeometry{p.PixY, p.PixX, p.Height, p.Width, p.SizeY, p.SizeX, p.OffsetY, p.OffsetX};
    return f;
}

std::unique_ptr<PrintJob> FixedPrinterSystem::beginJob(const PrintJobRequest& request,
                                                       QString& error) {
    if (m_jobs)
        return m_jobs(request, error);
    error = QStringLiteral("「%1」は寸法だけのプリンターで、印刷できません。").arg(m_name);
    return nullptr;
}

} // namespace zenpa
