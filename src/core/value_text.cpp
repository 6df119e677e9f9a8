#include "value_text.h"

#include <array>

namespace zenpa {

namespace {

struct ColorIdent {
    const char* name;
    ColorRef value;
};

constexpr std::array<ColorIdent, 51> kIdents{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", 0xFF000000},
    {"clBackground", 0xFF000001},
    {"clActiveCaption", 0xFF000002},
    {"clInactiveCaption", 0xFF000003},
    {"clMenu", 0xFF000004},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clMenuText", 0xFF000007},
    {"clWindowText", 0xFF000008},
    {"clCaptionText", 0xFF000009},
    {"clActiveBorder", 0xFF00000A},
    {"clInactiveBorder", 0xFF00000B},
    {"clAppWorkSpace", 0xFF00000C},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clBtnFace", 0xFF00000F},
    {"clBtnShadow", 0xFF000010},
    {"clGrayText", 0xFF000011},
    {"clBtnText", 0xFF000012},
    {"clInactiveCaptionText", 0xFF000013},
    {"clBtnHighlight", 0xFF000014},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clInfoText", 0xFF000017},
    {"clInfoBk", 0xFF000018},
    {"clHotLight", 0xFF00001A},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clMenuHighlight", 0xFF00001D},
}};

constexpr ColorIdent kMenuBar{"clMenuBar", 0xFF00001E};

template <typename F> void forEachIdent(F&& f) {
    for (const auto& id : kIdents)
        f(id);
    f(kMenuBar);
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::int32_t> ParseIntText(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == u'$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size())
        return std::nullopt;
    std::uint64_t v = 0;
    for (; i < text.size(); ++i) {
        const int d = hex ? hexDigit(text[i]) : (text[i].isDigit() && text[i].unicode() < 128
                                                      ? text[i].unicode() - '0'
                                                      : -1);
        if (d < 0)
            return std::nullopt;
        v = v * (hex ? 16u : 10u) + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFull)
            return std::nullopt;
    }
    std::int64_t s;
    if (hex) {
        s = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    } else {
        s = static_cast<std::int64_t>(v);
        if (negative ? s > 2147483648LL : s > 2147483647LL)
            return std::nullopt;
    }
    if (negative)
        s = -s;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(s)));
}

QString ColorText(ColorRef c) {
    QString found;
    forEachIdent([&](const ColorIdent& id) {
        if (found.isEmpty() && id.value == c)
            found = QString::fromLatin1(id.name);
    });
    if (!found.isEmpty())
        return found;
    return QStringLiteral("$%1").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<ColorRef> ParseColorText(const QString& text) {
    std::optional<ColorRef> found;
    forEachIdent([&](const ColorIdent& id) {
        if (!found && text.compare(QLatin1String(id.name), Qt::CaseInsensitive) == 0)
            found = id.value;
    });
    if (found)
        return found;
    if (auto v = ParseIntText(text))
        return static_cast<ColorRef>(*v);
    return std::nullopt;
}

} // namespace zenpa
