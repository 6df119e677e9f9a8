#include "paper_label.h"

#include "print_range.h"
#include "units.h"

#include <array>

namespace zenpa {

namespace {

struct PaperName {
    int code;
    const char16_t* text;
};

// Spelled exactly as the program has always shown them, double blanks and
// half-width katakana included.
constexpr std::array<PaperName, 42> kPaperSizeTable{{
    {1, u"ﾚﾀｰ 216x279"},
    {2, u"ﾚﾀｰS 216x279"},
    {3, u"ﾀﾌﾞﾛｲﾄﾞ 279x432"},
    {4, u"Ledger 432x279"},
    {5, u"Legal 216x356"},
    {6, u"ｽﾃｰﾄﾒﾝﾄ 140x216"},
    {7, u"ｴｸﾞｾﾞｸﾃｨﾌﾞ 184x267"},
    {8, u"A3 297x420"},
    {9, u"A4 210x297"},
    {10, u"A4S 210x297"},
    {11, u"A5 148x210"},
    {12, u"B4 250x354"},
    {13, u"B5 182x257"},
    {14, u"ﾌｫﾘｵ 216x330"},
    {15, u"ｸﾜﾄﾛ 215x275"},
    {16, u"10x14 ｲﾝﾁ"},
    {17, u"11x17 ｲﾝﾁ"},
    {18, u"ﾉｰﾄ 216x279"},
    {19, u"#9 98x225"},
    {20, u"#10 105x241"},
    {21, u"#11 114x264"},
    {22, u"#12 276x279"},
    {23, u"#14 127x292"},
    {24, u"CSheet"},
    {25, u"DSheet"},
    {26, u"ESheet"},
    {27, u"Envelope DL 110 x 220mm"},
    {28, u"Envelope C5 162 x 229 mm"},
    {29, u"Envelope C3  324 x 458 mm"},
    {30, u"Envelope C4  229 x 324 mm"},
    {31, u"Envelope C6  114 x 162 mm"},
    {32, u"Envelope C65 114 x 229 mm"},
    {33, u"Envelope B4  250 x 353 mm"},
    {34, u"Envelope B5  176 x 250 mm"},
    {35, u"Envelope B6  176 x 125 mm"},
    {36, u"Envelope 110 x 230 mm"},
    {37, u"Envelope Monarch 3.875 x 7.5 in"},
    {38, u"6 3/4 Envelope 3 5/8 x 6 1/2 in"},
    {39, u"US Std Fanfold 14 7/8 x 11 in"},
    {40, u"German Std Fanfold 8 1/2 x 12 in"},
    {41, u"German Legal Fanfold 8 1/2 x 13 in"},
    {118, u"dmPaper_Fanfold_Lgl_German"},
}};

} // namespace

QString PaperSizeText(int code) {
    for (const PaperName& p : kPaperSizeTable)
        if (p.code == code) return QString::fromUtf16(p.text);
    return {};
}

QString PaperLabel(int code, const PageGeometry& page, int windowDpi) {
    const QString named = PaperSizeText(code);
    if (!named.isEmpty()) return named;
    const PageGeometry g = ResolvePageFacts(PageFacts{page, true}, windowDpi > 0 ? windowDpi : 96);
    const int w = Round(g.SizeX * kMmPerInch / g.PixX);
    const int h = Round(g.SizeY * kMmPerInch / g.PixY);
    return QString::number(w) + QLatin1Char('x') + QString::number(h);
}

} // namespace zenpa
