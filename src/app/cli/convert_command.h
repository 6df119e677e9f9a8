#pragma once

#include <QStringList>

namespace zenpa::cli {

// zenpa-cli convert IN.zps -o OUT.zps: opens a format file and saves it
// under another name, as the program's open and save as do.
int RunConvert(QStringList args);

} // namespace zenpa::cli
