#pragma once

// The system's printers through Qt over CUPS, then the built-in printer
// "PDFファイル" last, so that the list is never empty. Page facts are device
// pixels at the queue's own default resolution where CUPS reports one; the
// paper is the queue's page size with its unprintable margins.

#include "builtin_printer.h"

#include <QStringList>

#include <memory>

class QPrinter;

namespace zenpa {

class FontBackend;

class QtPrinterSystem : public PrinterSystem {
public:
    // Starts on the system's default printer, else the first, else the
    // built-in one.
    explicit QtPrinterSystem(const FontBackend& fonts);
    ~QtPrinterSystem() override;

    QStringList printerNames() const override;
    int currentIndex() const override { return m_current; }
    bool select(int index) override;
    bool isBuiltin(int index) const override { return index == builtinIndex(); }
    bool landscape() const override { return m_landscape; }
    void setLandscape(bool landscape) override;
    int paperSize() const override;
    bool setPaperSize(int code) override;
    PageFacts pageFacts() const override;
    QStringList fontFaces() const override;
    std::unique_ptr<PrintJob> beginJob(const PrintJobRequest& request, QString& error) override;

    // Reads the system's printer list again; the current printer stays
    // selected while it exists, else the built-in one is.
    void refresh();

    // A printer for the platform's dialogs, set up as the current one is: the
    // system printer with its paper, orientation and driver options, or for
    // the built-in printer a PDF printer of its paper and orientation.
    std::unique_ptr<QPrinter> dialogPrinter() const;
    // Follows what an accepted dialog chose on a dialogPrinter(): a PDF
    // printer stands for the built-in one. False, nothing changed, when the
    // chosen printer is not usable.
    bool adoptDialogPrinter(std::unique_ptr<QPrinter> printer);

    // Resolution of the current printer, dots per inch.
    int resolution() const;

    // Used for a queue that reports no default resolution.
    static constexpr int kFallbackDpi = 600;

private:
    int builtinIndex() const { return static_cast<int>(m_system.size()); }
    void usePrinter(std::unique_ptr<QPrinter> printer, int index);

    const FontBackend& m_fonts;
    QStringList m_system; // the system's queues, by name
    int m_current = -1;
    std::unique_ptr<QPrinter> m_printer; // the current queue; null on the built-in printer
    int m_dpi = kFallbackDpi;
    BuiltinPrinterSystem m_builtin;
    bool m_landscape = false;
};

} // namespace zenpa
