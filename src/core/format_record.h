#pragma once

// Every setting of a document. Members are grouped by the section of the
// format file that stores them, so a setting reads as Section.Key in code
// (record.Font.ShadowWidth, record.Hani.Point). Member initialisers are the
// values at program start; the reset (reset.h) gives a new document its
// values and leaves the settings marked "kept" alone.

#include "color.h"
#include "line_font_table.h"

#include <QString>
#include <QStringList>

#include <array>

namespace zenpa {

enum Effect : int { kEffectNone = 0, kEffectShadow = 1, kEffectHollow = 2, kEffectGradation = 3 };
enum SizeRule : int { kSizeSame = 0, kSizeEach = 1 };
enum Alignment : int { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };
enum RangeMode : int {
    kRangeCenter = 0,  // "中央"
    kRangeMaximum = 1, // "用紙最大"
    kRangeMargins = 2, // "余白指定"
    kRangeSize = 3,    // "サイズ指定"
    kRangePoint = 4,   // "ポイント指定"
};

// Range of the two scale bars (Prop.Bai, Prop.BaiH) and of the frame size.
inline constexpr int kScaleMin = 1;
inline constexpr int kScaleMax = 100;

// The custom colour slot that holds no colour.
inline constexpr ColorRef kNoCustomColor = 0xFFFFFFFFu;

struct FormatRecord {
    struct FontSection {
        QString Name = QStringLiteral("@ＭＳ ゴシック");
        int Style = 0;                 // FontStyleBits (canvas.h)
        ColorRef Color = kBlack;       // follows SColor
        ColorChoice SColor = 0;        // 黒色
        ColorRef STColor = kBlack;     // custom text colour
        int Efect = kEffectNone;       // Effect (the stored key is spelled "Efect")
        int ShadowWidth = 2;           // mm, 1..9999
        ColorChoice ShadowColor = 8;   // 銀色
        ColorRef ShadowColor2 = kBlack; // kept by the reset
        int Shadow = 3;                // direction 0..7, 3 = lower right
        int OutLine = 10;              // 0.1 mm, 1..100; kept by the reset
        ColorChoice OutLineColor = 15; // 白色
        ColorRef OutLineColor2 = kBlack; // kept
        ColorChoice Gradation1Color1 = 0;  // 黒色
        ColorRef Gradation1Color2 = kBlack; // kept
        ColorChoice Gradation2Color1 = 15; // 白色
        ColorRef Gradation2Color2 = kBlack; // kept
    } Font;

    struct PropSection {
        bool Mode = true;       // real mode
        int Size = kSizeSame;   // SizeRule
        int Set = kAlignCenter; // Alignment
        int Bai = 100;          // 1..100 percent
        int BaiH = 1;           // 1..100, 1 = top
    } Prop;

    struct BGSection {
        bool BG = false;
        int Style = 0; // 0 ベタ .. 7 透過
        ColorChoice Color = 0;
        ColorRef BGColor = kBlack;
    } BG;

    struct WakuSection {
        bool Waku = false;
        int Style = 0;    // 0 長方形 .. 5 円
        int PenStyle = 0; // 0 実線 .. 5 子持ち線
        ColorChoice PenColor = 0;
        ColorRef Pcolor = kBlack;
        int PenWidth = 1;   // 0.1 mm, 1..9999
        int Wakuset = 100;  // percent 1..100
        bool Brush = false;
        int BrushStyle = 0;
        ColorChoice BrushColor = 0;
        ColorRef Bcolor = kBlack;
    } Waku;

    struct HaniSection {
        int Hani = kRangeCenter; // RangeMode
        int Left = 0;            // mm; the reset sets the margins to their lower limits
        int Top = 0;
        int Right = 0;
        int Bottom = 0;
        int Width = 0;  // mm; the reset sets the sizes to their upper limits
        int Height = 0;
        bool Center = false;
        QString Point = QStringLiteral("100"); // points, held as the spin edit's text
    } Hani;

    struct GazoSection {
        bool Gazo = false;
        bool Hiritsu = false; // keep the aspect ratio; kept by the reset
        QString File;
        int Width = 1;  // scroll positions, 1..printable width / height in device pixels
        int Height = 1;
        int Left = 1;
        int Top = 1;
        bool CenterX = false;
        bool CenterY = false;
    } Gazo;

    struct LineFontSection {
        bool Mode = false; // "行の設定を有効にする"
        LineFontTable Table;
    } LineFont;

    struct LogFontSection {
        bool CBLfont1 = false;
        int SELfontescapement1 = 0;   // degrees 0..360
        int CBLfontweight1 = 0;       // item 0..10
        int CBLfontchartset1 = 1;     // item 0..4
        int CBLfontOutPrecision1 = 2; // item 0..7
        int CBfontClipPrecision1 = 2; // item 0..6
        int CBLfontQuality1 = 0;      // item 0..2
        int SBlogfontheight = 10;     // 10..1000; kept
        int SBlogfontwidth = 10;      // 10..1000; kept
    } LogFont;

    struct PrinterSection {
        int Index = 0;           // position in the printer list; kept
        bool Orientation = true; // landscape
    } Printer;

    struct PaperSection {
        int Name = 9; // paper size code (9 = A4); kept
    } Paper;

    struct MenuSection {
        bool Gradation = false; // the gradation effect is offered; kept
    } Menu;

    // The colour dialog's sixteen custom slots, ColorA .. ColorP; kept.
    std::array<ColorRef, 16> Colors{kNoCustomColor, kNoCustomColor, kNoCustomColor,
                                    kNoCustomColor, kNoCustomColor, kNoCustomColor,
                                    kNoCustomColor, kNoCustomColor, kNoCustomColor,
                                    kNoCustomColor, kNoCustomColor, kNoCustomColor,
                                    kNoCustomColor, kNoCustomColor, kNoCustomColor,
                                    kNoCustomColor};

    struct FontuserSection {
        QStringList Names; // the registered fonts in list order; kept
    } Fontuser;

    // Enlarged printing; not stored in the format file.
    struct KakudaiSection {
        int Ren = 0;         // joint kind, item 0..3
        bool Line = false;   // print position lines
        int Number = 0;      // tile count item 0..31
        bool Silver = false; // joints and lines in silver; kept
    } Kakudai;

    // Hani.Point as a number: empty or not a number gives 1.
    int pointSize() const;
    // The text colour as drawn: the custom colour for "その他", else the item.
    ColorRef textColor() const;
};

} // namespace zenpa
