#pragma once

#include <QStringList>

namespace zenpa::cli {

// zenpa-cli layout: lays out a document and prints the result as JSON.
int RunLayout(QStringList args);

} // namespace zenpa::cli
