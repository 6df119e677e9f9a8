#pragma once

// The printers the program can print on. The core only asks; platform code
// (CUPS through Qt, the built-in PDF printer) and tests (FixedPrinterSystem)
// answer.

#include "page_geometry.h"

#include <QString>
#include <QStringList>

namespace zenpa {

class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;

    virtual QStringList printerNames() const = 0;
    // Position of the selected printer in printerNames(), -1 when there is none.
    virtual int currentIndex() const = 0;
    // Selects a printer; false (and nothing changed) when that is not possible.
    virtual bool select(int index) = 0;

    virtual bool landscape() const = 0;
    virtual void setLandscape(bool landscape) = 0;

    // Paper size as a DMPAPER code (9 = A4); 0 when the printer cannot tell.
    virtual int paperSize() const = 0;
    // False (and nothing changed) when the printer does not take that code.
    virtual bool setPaperSize(int code) = 0;

    // Page facts of the selected printer, paper and orientation, read afresh.
    virtual PageFacts pageFacts() const = 0;

    QString currentName() const;
};

} // namespace zenpa
