#pragma once

#include <QStringList>

namespace zenpa::cli {

// zenpa-cli dump FILE.zps [--mode startup|open|format]: reads a format file
// into a started program and prints what it holds as JSON.
int RunDump(QStringList args);

} // namespace zenpa::cli
