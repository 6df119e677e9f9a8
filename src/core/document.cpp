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

QString JoinEditorText(const QStringList& lines) {
    QString text = lines.join(QLatin1Char('\n'));
    // A final empty line needs its own break: a break at the very end adds no line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        text += QLatin1Char('\n');
    return text;
}

} // namespace zenpa
