#pragma once

#include <QStringList>

namespace zenpa::cli {

// zenpa-cli render: draws the preview or the printer page into a PNG file.
int RunRender(QStringList args);

} // namespace zenpa::cli
