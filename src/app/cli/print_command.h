#pragma once

#include <QStringList>

namespace zenpa::cli {

// zenpa-cli print: prints the document as one page on a printer of the
// system, or into a PDF file through the built-in printer.
int RunPrint(QStringList args);

} // namespace zenpa::cli
