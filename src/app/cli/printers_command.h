#pragma once

#include <QStringList>

namespace zenpa::cli {

// zenpa-cli printers [--paper CODE]: every printer with its paper and its
// page in both orientations, as one JSON array.
int RunPrinters(QStringList args);

} // namespace zenpa::cli
