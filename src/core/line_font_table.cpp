#include "line_font_table.h"

#include <algorithm>

namespace zenpa {

const LineFontRow& LineFontTable::row(int n) const {
    static const LineFontRow empty{};
    if (n < 1 || n > m_rows.size())
        return empty;
    return m_rows[n - 1];
}

LineFontRow& LineFontTable::row(int n) {
    if (n < 1)
        n = 1;
    if (n > m_rows.size())
        m_rows.resize(n);
    return m_rows[n - 1];
}

bool LineFontTable::operator==(const LineFontTable& other) const {
    if (m_gridRows != other.m_gridRows)
        return false;
    const int n = static_cast<int>(std::max(m_rows.size(), other.m_rows.size()));
    for (int i = 1; i <= n; ++i)
        if (row(i) != other.row(i))
            return false;
    return true;
}

const std::array<QString, 9>& LineFontTable::headers() {
    static const std::array<QString, 9> h{
        QStringLiteral("<全選択>"), QStringLiteral("ﾌｫﾝﾄ"), QStringLiteral("色"),
        QStringLiteral("太字"),     QStringLiteral("斜体"), QStringLiteral("下線"),
        QStringLiteral("取消線"),   QStringLiteral("効果"), QStringLiteral("横方向")};
    return h;
}

namespace linecells {

int style(const LineFontRow& row) {
    int s = 0;
    if (!row[kColBold].isEmpty())
        s |= 1;
    if (!row[kColItalic].isEmpty())
        s |= 2;
    if (!row[kColUnderline].isEmpty())
        s |= 4;
    if (!row[kColStrikeout].isEmpty())
        s |= 8;
    return s;
}

int effect(const LineFontRow& row) {
    const QString& e = row[kColEffect];
    if (e == QStringLiteral("影"))
        return 1;
    if (e == QStringLiteral("中"))
        return 2;
    if (e == QStringLiteral("グ"))
        return 3;
    return 0;
}

int percent(const LineFontRow& row) {
    bool ok = false;
    const int v = row[kColPercent].toInt(&ok, 10);
    return ok ? v : 100;
}

} // namespace linecells

} // namespace zenpa
