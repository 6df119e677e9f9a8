#include "format_names.h"

namespace zenpa {

QString SectionNumber(int n) {
    return n >= 1 && n <= 9 ? QLatin1Char('0') + QString::number(n) : QString::number(n);
}

QString LineSectionName(int n) {
    return QStringLiteral("Line") + SectionNumber(n);
}

QString LfontSectionName(int n) {
    return QStringLiteral("Lfont") + SectionNumber(n);
}

QString FontuserKey(int i) {
    return QStringLiteral("Line") + QString::number(i);
}

QString CustomColorKey(int i) {
    return QStringLiteral("Color") + QChar(static_cast<char16_t>(u'A' + i));
}

QString WrapValue(const QString& text) {
    return QLatin1Char('#') + text + QLatin1Char('#');
}

QString UnwrapValue(const QString& text) {
    return text.size() < 2 ? QString() : text.mid(1, text.size() - 2);
}

} // namespace zenpa
