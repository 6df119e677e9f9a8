#include "app_state.h"

#include <algorithm>

namespace zenpa {

bool AppState::computePrintRange() {
    return ComputePrintRange(doc.format.Hani, m_printer->pageFacts(), panel, windowDpi, range);
}

void AppState::requestRedraw() { notify(kChangeRedraw); }

void AppState::addObserver(AppObserver* o) {
    if (std::find(m_observers.begin(), m_observers.end(), o) == m_observers.end())
        m_observers.push_back(o);
}

void AppState::removeObserver(AppObserver* o) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), o), m_observers.end());
}

void AppState::notify(unsigned changes) {
    if (m_suppressed)
        changes &= ~static_cast<unsigned>(kChangeRedraw);
    if (changes == 0)
        return;
    // An observer may add or remove observers while being told.
    const std::vector<AppObserver*> observers = m_observers;
    for (AppObserver* o : observers)
        if (std::find(m_observers.begin(), m_observers.end(), o) != m_observers.end())
            o->stateChanged(changes);
}

} // namespace zenpa
