#pragma once

// The wait cursor for the length of a scope.

#include "file_view.h"

namespace zenpa {

class Busy {
public:
    explicit Busy(const FileView& view) : m_view(view) {
        if (m_view.setBusy) m_view.setBusy(true);
    }
    ~Busy() {
        if (m_view.setBusy) m_view.setBusy(false);
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    const FileView& m_view;
};

} // namespace zenpa
