#include "printer_system.h"

namespace zenpa {

QString PrinterSystem::currentName() const {
    const QStringList names = printerNames();
    const int i = currentIndex();
    return i >= 0 && i < names.size() ? names[i] : QString();
}

} // namespace zenpa
