#pragma once

// Print jobs whose page is a PDF drawn with the program's canvas: the
// built-in printer's job, which writes the PDF file the user named, and the
// job of a CUPS queue, which hands the finished PDF to the queue. Either
// draws its page in device pixels of the printable area at the given
// resolution: the painter's origin is the top-left corner of the layout's
// margins.

#include "core/print_job.h"
#include "cups_queue.h"

#include <QPageLayout>

#include <memory>

namespace zenpa {

class FontBackend;

// Writes the page to request.outputFile when the job ends, replacing the file
// only then: an aborted or failed job leaves any file of that name as it was.
std::unique_ptr<PrintJob> OpenPdfFileJob(const PrintJobRequest& request, const QPageLayout& layout,
                                         int dpi, const FontBackend& fonts, QString& error);

// Queues the page on the CUPS queue when the job ends; an aborted job never
// reaches the spooler.
std::unique_ptr<PrintJob> OpenCupsJob(const PrintJobRequest& request, const QString& queue,
                                      const CupsOptions& options, const QPageLayout& layout,
                                      int dpi, const FontBackend& fonts, QString& error);

} // namespace zenpa
