#include "snapshot.h"

namespace zenpa {

StateSnapshot::StateSnapshot(const AppState& state)
    : m_doc(state.doc), m_saveFileName(state.saveFileName), m_openFileName(state.openFileName),
      m_window(state.window), m_effectItems(state.effectItems),
      m_printerIndex(state.printer().currentIndex()), m_landscape(state.printer().landscape()),
      m_paperSize(state.printer().paperSize()) {}

void StateSnapshot::restore(AppState& state) const {
    AppState::SuppressRedraw quiet(state);
    state.doc = m_doc;
    state.saveFileName = m_saveFileName;
    state.openFileName = m_openFileName;
    state.window = m_window;
    state.effectItems = m_effectItems;
    PrinterSystem& printer = state.printer();
    // A printer that went away meanwhile leaves the first one, as a read does.
    if (!printer.select(m_printerIndex)) printer.select(0);
    printer.setLandscape(m_landscape);
    printer.setPaperSize(m_paperSize);
    state.computePrintRange();
    state.notify(kChangeAll);
}

} // namespace zenpa
