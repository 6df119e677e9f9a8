#pragma once

#include <QString>

#include <stdexcept>

namespace zenpa::cli {

// A mistake on the command line: reported in one line, exit status 2.
struct UsageError {
    QString message;
};

} // namespace zenpa::cli
