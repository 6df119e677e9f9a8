#pragma once

// The printers the program can print on. The core only asks; platform code
// (CUPS through Qt, the built-in PDF printer) and tests (FixedPrinterSystem)
// answer.

#include "page_geometry.h"
#include "print_job.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace zenpa {

class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;

    virtual QStringList printerNames() const = 0;
    // Position of the selected printer in printerNames(), -1 when there is none.
    virtual int currentIndex() const = 0;
    // Selects a printer; false (and nothing changed) when that is not possible.
    virtual bool select(int index) = 0;
    // Whether printer `index` is the built-in one that writes PDF files; its
    // jobs need PrintJobRequest::outputFile.
    virtual bool isBuiltin(int index) const { return (void)index, false; }

    virtual bool landscape() const = 0;
    virtual void setLandscape(bool landscape) = 0;

    // Paper size as a DMPAPER code (9 = A4); 0 when the printer cannot tell.
    virtual int paperSize() const = 0;
    // False (and nothing changed) when the printer does not take that code.
    virtual bool setPaperSize(int code) = 0;

    // Page facts of the selected printer, paper and orientation, read afresh.
    virtual PageFacts pageFacts() const = 0;

    // The faces the printer prints with.
    virtual QStringList fontFaces() const = 0;

    // Opens a job of one page on the current printer with its paper and
    // orientation. Null, with `error` set, when the printer cannot be opened
    // or its output cannot be written.
    virtual std::unique_ptr<PrintJob> beginJob(const PrintJobRequest& request, QString& error) = 0;

    QString currentName() const;
    bool currentIsBuiltin() const { return isBuiltin(currentIndex()); }
};

} // namespace zenpa
