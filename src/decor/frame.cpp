#include "frame.h"

#include "core/line_layout.h"
#include "core/units.h"

#include <algorithm>

namespace zenpa {

BrushKind PatternBrush(int style) {
    switch (style) {
    case 1:
        return BrushKind::BDiagonal; // 右上斜線: rising to the right
    case 2:
        return BrushKind::FDiagonal; // 左上斜線
    case 3:
        return BrushKind::Cross;
    case 4:
        return BrushKind::DiagCross;
    case 5:
        return BrushKind::Horizontal;
    case 6:
        return BrushKind::Vertical;
    default:
        return BrushKind::Solid; // ベタ, 透過 and anything unknown
    }
}

PenKind LineStylePen(int penStyle) {
    switch (penStyle) {
    case 1:
        return PenKind::Dash;
    case 2:
        return PenKind::Dot;
    case 3:
        return PenKind::DashDot;
    case 4:
        return PenKind::DashDotDot;
    default:
        return PenKind::Solid;
    }
}

FrameBox FrameRect(const DecorContext& c) {
    const PrintRange& pr = c.state.range.range;
    const PageGeometry& page = c.state.range.page;
    const Document& doc = c.state.doc;
    FrameBox box{pr.Px, pr.Py, pr.Px2, pr.Py2};
    if (!doc.lines.isEmpty()) {
        // The first line's top at the size that fits it at 100 %.
        Canvas& canvas = c.printerCanvas;
        Canvas::StateSaver keep(canvas);
        canvas.setFontFace(doc.format.Font.Name);
        canvas.setFontStyle(doc.format.Font.Style);
        canvas.setFontResolution(page.PixY);
        LineLayout layout(canvas, pr, static_cast<int>(doc.lines.size()), doc.format.Prop.BaiH);
        const QString& first = doc.lines.first();
        const int size = layout.FitSize(first, 100).size;
        box.l = c.page.extent.MinLeft;
        box.t = layout.PlaceLine(first, size, 1).Y;
    }
    const double m = kScaleMax;
    const double f = (m - doc.format.Waku.Wakuset) / m;
    int l = pr.Px + Round((box.l - pr.Px) * f);
    if (l < pr.Px)
        l = pr.Px;
    int t = pr.Py + Round((box.t - pr.Py) * f);
    if (t < pr.Py)
        t = pr.Py;
    int r = std::min(pr.Px2 + pr.Px - l, pr.Px2);
    int b = std::min(pr.Py2 + pr.Py - t, pr.Py2);
    r = std::min(r, page.Width - 1);
    b = std::min(b, page.Height - 1);
    return {l, t, r, b};
}

FrameBox FitSquare(const FrameBox& box, const PageGeometry& page, const PrintRange& pr,
                   int windowDpi) {
    double X = page.PixX;
    double Y = page.PixY;
    if (Y < 1)
        X = Y = windowDpi;
    else if (X < 1)
        X = Y;
    const double side = std::min((box.b - box.t) / Y, (box.r - box.l) / X);
    const double sx = side * X;
    const double sy = side * Y;
    return FrameBox{Round((pr.Px2 - pr.Px - sx) / 2 + pr.Px), Round((pr.Py2 - pr.Py - sy) / 2 + pr.Py),
                    Round(pr.Px2 - (pr.Px2 - pr.Px - sx) / 2),
                    Round(pr.Py2 - (pr.Py2 - pr.Py - sy) / 2)};
}

int CornerSize(int printableWidth, int lineCount) {
    return Round(static_cast<double>(printableWidth) / std::max(1, lineCount) / 2);
}

int FramePenWidth(const FormatRecord& f, int pixY, bool roundIt) {
    if (f.Waku.PenStyle != 0 && f.Waku.PenStyle != 5)
        return 1;
    const double v = f.Waku.PenWidth / kTenthMmPerInch * pixY;
    const int w = roundIt ? Round(v) : Trunc(v);
    return w <= 0 ? 1 : w;
}

void DrawBackground(const DecorContext& c, RenderTarget& t) {
    const FormatRecord& f = c.state.doc.format;
    if (!f.BG.BG)
        return;
    const ColorRef color = ResolveColor(f.BG.Color, f.BG.BGColor, ColorRole::Background);
    Canvas& canvas = t.canvas();
    Canvas::StateSaver keep(canvas);
    canvas.setBrush(BrushSpec{PatternBrush(f.BG.Style), color});
    canvas.setPen(PenSpec{PenKind::Clear, 1, color});
    const PrintRange& r = c.state.range.range;
    canvas.rectangle(t.px(r.Px), t.py(r.Py), t.px(r.Px2), t.py(r.Py2));
}

namespace {

enum class Figure { Rectangle, RoundRect, Ellipse };

void drawFigure(RenderTarget& t, Figure figure, const FrameBox& b, int corner) {
    Canvas& canvas = t.canvas();
    const int l = t.px(b.l), top = t.py(b.t), r = t.px(b.r), bottom = t.py(b.b);
    switch (figure) {
    case Figure::Rectangle:
        canvas.rectangle(l, top, r, bottom);
        break;
    case Figure::RoundRect: {
        const int c = t.len(corner);
        canvas.roundRect(l, top, r, bottom, c, c);
        break;
    }
    case Figure::Ellipse:
        canvas.ellipse(l, top, r, bottom);
        break;
    }
}

} // namespace

void DrawFrame(const DecorContext& c, RenderTarget& t) {
    const FormatRecord& f = c.state.doc.format;
    if (!f.Waku.Waku)
        return;
    const PageGeometry& page = c.state.range.page;
    const PrintRange& range = c.state.range.range;
    const bool scaled = t.isScaled();
    const int w = FramePenWidth(f, page.PixY, t.rules().roundsPenWidth);
    FrameBox box = FrameRect(c);

    Canvas& canvas = t.canvas();
    Canvas::StateSaver keep(canvas);
    const ColorRef penColor = ResolveColor(f.Waku.PenColor, f.Waku.Pcolor, ColorRole::FrameLine);
    const ColorRef fill = ResolveColor(f.Waku.BrushColor, f.Waku.Bcolor, ColorRole::FrameFill);
    canvas.setBrush(f.Waku.Brush ? BrushSpec{PatternBrush(f.Waku.BrushStyle), fill}
                                 : BrushSpec{BrushKind::Clear, fill});
    const int lines = static_cast<int>(c.state.doc.lines.size());
    const int corner = CornerSize(page.Width, lines);
    auto penWidth = [&](int v) {
        if (!scaled)
            return v;
        const int l = t.len(v);
        return l == 0 ? 1 : l;
    };
    canvas.setPen(PenSpec{LineStylePen(f.Waku.PenStyle), penWidth(w), penColor});

    // The outer edge of the line lies on the rectangle.
    const int h = w / 2;
    box = FrameBox{box.l + h, box.t + h, box.r - h, box.b - h};
    const int style = f.Waku.Style;
    const bool square = style == 1 || style == 3 || style == 5;
    const Figure figure = style == 2 || style == 3 ? Figure::RoundRect
                          : style == 4 || style == 5 ? Figure::Ellipse
                                                     : Figure::Rectangle;
    const FrameBox outer = square ? FitSquare(box, page, range, c.state.windowDpi) : box;
    drawFigure(t, figure, outer, corner);

    // 子持ち線: a thinner line 3 mm plus its own width inside the first.
    if (f.Waku.PenStyle == 5) {
        const int w2 = std::max(1, w / 3);
        canvas.setPen(PenSpec{PenKind::Solid, penWidth(w2), penColor});
        const int g = scaled ? Round(page.PixY * 0.11811028272058376 + w2)
                             : Round(page.PixY * 3 / kMmPerInch) + w2;
        const FrameBox inner{outer.l + g, outer.t + g, outer.r - g, outer.b - g};
        drawFigure(t, figure, inner, corner - g);
    }
}

} // namespace zenpa
