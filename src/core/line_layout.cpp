#include "line_layout.h"

#include "units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zenpa {

SlotMetrics ComputeSlots(int lineCount, int baiH, int baiMax, const PrintRange& range) {
    if (baiMax < 1)
        baiMax = 100;
    SlotMetrics s;
    s.q = lineCount + static_cast<double>(2 * baiH) / baiMax;
    // q ≤ 0 only without lines, which the renderer never lays out; keep the
    // arithmetic finite all the same.
    const double q = s.q > 0 ? s.q : 1.0 / (baiMax * 10.0);
    s.f = (range.Py2 - range.Py) / q;
    s.g = s.f * baiH / baiMax;
    return s;
}

LineLayout::LineLayout(Canvas& canvas, const PrintRange& range, int lineCount, int baiH,
                       int baiMax)
    : m_canvas(canvas), m_range(range), m_slots(ComputeSlots(lineCount, baiH, baiMax, range)) {}

FitResult LineLayout::FitSize(const QString& text, int p) {
    if (p <= 0)
        p = 100;
    const QString measured = text.isEmpty() ? QStringLiteral(" ") : text;
    m_canvas.setFontSize(100);
    FitResult r;
    r.at100 = m_canvas.textExtent(measured);
    double w = r.at100.width / 100.0;
    double h = r.at100.height / 100.0;
    if (!(w > 0))
        w = 0.00001;
    if (!(h > 0))
        h = 0.00001;
    const double q = std::fabs(m_slots.q);
    const int fitW = Trunc((m_range.Px2 - m_range.Px) / w);
    const int fitH = Trunc((m_range.Py2 - m_range.Py) / q / h);
    int size = std::min(fitW, fitH);
    if (p != 100)
        size = Trunc(p / 100.0 * size);
    r.size = size;
    return r;
}

LinePlacement LineLayout::PlaceLine(const QString& text, int size, int i) {
    m_canvas.setFontSize(size);
    const TextExtent e = m_canvas.textExtent(text);
    LinePlacement pl;
    pl.Fs = size;
    pl.Width = e.width;
    pl.Height = e.height;
    // The difference is an integer, the halving real.
    const std::int64_t spare = static_cast<std::int64_t>(m_range.Px2) - m_range.Px - e.width;
    pl.X = m_range.Px + Trunc(static_cast<double>(spare) / 2);
    const double f = m_slots.f;
    pl.Y = m_range.Py + Trunc(f * (i - 1) + (f - e.height) / 2 + m_slots.g);
    return pl;
}

namespace {

int linePercent(const FormatRecord& format, int i) {
    if (format.LineFont.Mode)
        return linecells::percent(format.LineFont.Table.row(i));
    return format.Prop.Bai;
}

} // namespace

LineExtent ComputeLineExtent(LineLayout& layout, const QStringList& lines,
                             const FormatRecord& format, QVector<LinePlacement>* centred) {
    LineExtent ext{layout.range().Px2, 0, std::numeric_limits<int>::max()};
    Canvas& canvas = layout.canvas();
    const FontSpec saved = canvas.font();
    canvas.setFontStyle(format.Font.Style);
    for (int i = 1; i <= lines.size(); ++i) {
        QString face = format.Font.Name;
        if (format.LineFont.Mode) {
            const QString cell = format.LineFont.Table.cell(i, kColFace);
            if (!cell.isEmpty())
                face = cell;
        }
        canvas.setFontFace(face);
        const QString line = lines[i - 1].isEmpty() ? QStringLiteral(" ") : lines[i - 1];
        const int size = layout.FitSize(line, linePercent(format, i)).size;
        const LinePlacement pl = layout.PlaceLine(line, size, i);
        ext.MinLeft = std::min(ext.MinLeft, pl.X);
        ext.MaxRight = std::max(ext.MaxRight, pl.X + pl.Width);
        ext.MinSize = std::min(ext.MinSize, size);
        if (centred)
            centred->push_back(pl);
    }
    // The face and style go back; the size stays that of the last line.
    const int size = canvas.font().size;
    canvas.setFont(saved);
    canvas.setFontSize(size);
    return ext;
}

int ApplySizeRule(int fitted, const FormatRecord& format, const LineExtent& extent) {
    int size = fitted;
    if (format.Prop.Size == kSizeSame && !format.LineFont.Mode)
        size = extent.MinSize;
    if (format.Hani.Hani == kRangePoint)
        size = format.pointSize();
    return size;
}

void AlignLine(LinePlacement& placement, const FormatRecord& format, const LineExtent& extent) {
    if (format.Prop.Set == kAlignLeft)
        placement.X = extent.MinLeft;
    else if (format.Prop.Set == kAlignRight)
        placement.X = extent.MaxRight - placement.Width;
}

QString BaiLabel(int bai, int maximum) {
    if (maximum < 1)
        maximum = 100;
    return QString::number(Round(static_cast<double>(bai) / maximum * 100)) + QLatin1Char('%');
}

QString BaiHLabel(int baiH, int maximum) {
    if (maximum < 1)
        maximum = 100;
    return QString::number(Round(static_cast<double>(maximum + 1 - baiH) / maximum * 100)) +
           QLatin1Char('%');
}

int ReferencePointSize(LineLayout& layout) {
    return layout.FitSize(QStringLiteral("a"), 100).size;
}

QString ReferenceSizeLabel(int points) {
    return QStringLiteral("参考＝ ") + QString::number(points) + QStringLiteral(" p");
}

QString CharacterHeightLabel(Canvas& canvas, int points, int pixY) {
    canvas.setFontSize(points);
    const int h = canvas.textHeight(QStringLiteral("a"));
    return QString::number(Trunc(static_cast<double>(h) / pixY * kMmPerInch)) +
           QStringLiteral(" mm");
}

} // namespace zenpa
