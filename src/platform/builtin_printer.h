#pragma once

// The built-in printer "PDFファイル": 600 dots per inch, no unprintable
// margin, any paper size Qt knows. It makes the program useful on a machine
// without a printer; its jobs write a PDF file.

#include "core/printer_system.h"

#include <QPageLayout>

namespace zenpa {

inline const QString kBuiltinPrinterName = QStringLiteral("PDFファイル");
inline constexpr int kBuiltinPrinterDpi = 600;

// Page facts of a paper size code (DMPAPER numbering) at 600 dots per inch;
// a code Qt does not know gives A4.
PageFacts BuiltinPageFacts(int paperCode, bool landscape);
// The PDF page of the same paper: no margins.
QPageLayout BuiltinPageLayout(int paperCode, bool landscape);

// A printer list that holds only the built-in printer.
class BuiltinPrinterSystem : public PrinterSystem {
public:
    QStringList printerNames() const override { return {kBuiltinPrinterName}; }
    int currentIndex() const override { return 0; }
    bool select(int index) override { return index == 0; }
    bool landscape() const override { return m_landscape; }
    void setLandscape(bool landscape) override { m_landscape = landscape; }
    int paperSize() const override { return m_paper; }
    bool setPaperSize(int code) override;
    PageFacts pageFacts() const override { return BuiltinPageFacts(m_paper, m_landscape); }
    bool isBuiltin(int index) const override { return index == 0; }
    QStringList fontFaces() const override;
    // Writes request.outputFile.
    std::unique_ptr<PrintJob> beginJob(const PrintJobRequest& request, QString& error) override;

private:
    bool m_landscape = false;
    int m_paper = 9;
};

} // namespace zenpa
