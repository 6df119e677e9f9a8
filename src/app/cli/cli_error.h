#pragma once

#include <QString>

namespace zenpa::cli {

// A mistake on the command line: reported in one line, exit status 2.
struct UsageError {
    QString message;
};

// A command that could not do its job (a file that cannot be read or
// written): reported in one line, exit status 1.
struct RunError {
    QString message;
};

} // namespace zenpa::cli
