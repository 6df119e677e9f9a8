#pragma once

// Size and place of every text line inside the print range. All widths and
// heights are measured on the printer's canvas, whose font resolution is the
// printer's vertical resolution, so every value here is in device pixels of
// the printable area.

#include "canvas.h"
#include "format_record.h"
#include "page_geometry.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace zenpa {

// The vertical slots: q = N + 2B/M slot heights fill the range; each line has
// a slot of height f, and a band of height g stays free above and below.
struct SlotMetrics {
    double q = 1;
    double f = 0; // device pixels
    double g = 0; // device pixels
};

SlotMetrics ComputeSlots(int lineCount, int baiH, int baiMax, const PrintRange& range);

struct LinePlacement {
    int X = 0;      // top-left corner of the text's cell, device pixels
    int Y = 0;
    int Fs = 0;     // points
    int Width = 0;  // text width and cell height at Fs, device pixels
    int Height = 0;
    bool operator==(const LinePlacement&) const = default;
};

struct LineExtent {
    int MinLeft = 0;
    int MaxRight = 0;
    int MinSize = 0;
    bool operator==(const LineExtent&) const = default;
};

struct FitResult {
    int size = 0;        // points
    TextExtent at100;    // the measurement at 100 points it was derived from
};

// One layout run over a measuring canvas. The canvas's face and style are
// whatever the caller selected; these calls only change its size.
class LineLayout {
public:
    LineLayout(Canvas& canvas, const PrintRange& range, int lineCount, int baiH,
               int baiMax = kScaleMax);

    const SlotMetrics& slots() const { return m_slots; }
    const PrintRange& range() const { return m_range; }
    Canvas& canvas() { return m_canvas; }

    // The largest whole point size at which the text fits the range's width
    // and its slot's height, from one measurement at 100 points, scaled by p
    // percent (p ≤ 0 counts as 100). Leaves the canvas at 100 points.
    FitResult FitSize(const QString& text, int p);

    // Line i (1-based) at the given size, centred in the range and its slot.
    // Leaves the canvas at that size. Returns X, Y, the size and the extent.
    LinePlacement PlaceLine(const QString& text, int size, int i);

private:
    Canvas& m_canvas;
    PrintRange m_range;
    SlotMetrics m_slots;
};

// The extent pass: every line at its own fitted size, centred. With per-line
// settings on, a line takes the face and percentage of its table row; the
// style is the main style for every line. When centred is given, it receives
// each line's centred placement at its fitted size.
LineExtent ComputeLineExtent(LineLayout& layout, const QStringList& lines,
                             const FormatRecord& format,
                             QVector<LinePlacement>* centred = nullptr);

// The size rule for a fitted size: the same size for all lines ("各行同じ",
// per-line settings off) and the fixed point size of "ポイント指定".
int ApplySizeRule(int fitted, const FormatRecord& format, const LineExtent& extent);

// Alignment of a placed line ("左寄せ" to MinLeft, "右寄せ" to MaxRight).
void AlignLine(LinePlacement& placement, const FormatRecord& format, const LineExtent& extent);

// Label texts of the two scale bars.
QString BaiLabel(int bai, int maximum = kScaleMax);
QString BaiHLabel(int baiH, int maximum = kScaleMax);

// The reference size of "ポイント指定": the size the text "a" gets as a line
// of the current document, with the canvas's current face and style.
int ReferencePointSize(LineLayout& layout);
// "参考＝ n p"
QString ReferenceSizeLabel(int points);
// Character height of "a" at the given size in whole millimetres: "n mm".
QString CharacterHeightLabel(Canvas& canvas, int points, int pixY);

} // namespace zenpa
