#pragma once

// The few things the program asks CUPS directly, where Qt does not tell:
// a queue's default resolution, and handing a finished PDF to a queue with a
// result (a job id or the spooler's reason).

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace zenpa {

// The queue's default vertical resolution in dots per inch, 0 when the
// spooler does not say (or cannot be reached).
int CupsDefaultResolution(const QString& queue);

using CupsOptions = QList<QPair<QByteArray, QByteArray>>;

// Queues the PDF file on the queue under the title. The job id (above 0), or
// 0 with `error` set to the spooler's reason.
int CupsPrintPdf(const QString& queue, const QString& pdfPath, const QString& title,
                 const CupsOptions& options, QString& error);

} // namespace zenpa
