#include "document.h"

#include <QRegularExpression>

namespace zenpa {

QStringList Document::layoutLines() const {
    if (lines.isEmpty())
        return {QStringLiteral(" ")};
    return lines;
}

QStringList SplitEditorText(const QString& text) {
    if (text.isEmpty())
        return {};
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString JoinEditorText(const QStringList& lines) { return lines.join(QLatin1Char('\n')); }

} // namespace zenpa
