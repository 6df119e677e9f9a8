#pragma once

// One print job of one page, opened by the printer system on its current
// printer. The page is drawn on the job's canvas; ending the job prints it,
// aborting it prints nothing.

#include "canvas.h"

#include <QString>

namespace zenpa {

// What a job is opened with.
struct PrintJobRequest {
    QString title;      // the job's name in the spooler, or the PDF's title
    QString outputFile; // the file a printer that writes files (the built-in one) writes
};

class PrintJob {
public:
    // A job that is neither ended nor aborted is aborted.
    virtual ~PrintJob() = default;

    // The page in device pixels of the printable area at the printer's
    // resolution, origin at the area's top-left corner. It is also the
    // measuring canvas of the run, so that the fonts that measure are the
    // fonts that print.
    virtual Canvas& canvas() = 0;

    // Closes the document so that the page prints. False when the page could
    // not be handed over; error() then says why. A job ends once.
    virtual bool end() = 0;
    // Drops the job: nothing of it prints and no file is left behind.
    virtual void abort() = 0;

    virtual QString error() const = 0;
};

} // namespace zenpa
