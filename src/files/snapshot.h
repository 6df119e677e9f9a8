#pragma once

// Everything a failed read may have changed, kept in memory so that the
// program can be put back exactly as it was: the document, the remembered
// names, the window's place, the offered effects and the printer's
// selection, orientation and paper.

#include "core/app_state.h"

namespace zenpa {

class StateSnapshot {
public:
    explicit StateSnapshot(const AppState& state);

    // Puts the state back, recomputes the print range and tells the
    // observers that everything changed.
    void restore(AppState& state) const;

private:
    Document m_doc;
    QString m_saveFileName;
    QString m_openFileName;
    WindowPlace m_window;
    int m_effectItems;
    int m_printerIndex;
    bool m_landscape;
    int m_paperSize;
};

} // namespace zenpa
