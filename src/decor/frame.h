#pragma once

// The painted background of the print range and the frame ("囲み枠") of six
// shapes and six line styles, optionally filled. All geometry is in device
// pixels of the printable area; targets convert positions and lengths.

#include "core/page_renderer.h"

namespace zenpa {

struct FrameBox {
    int l = 0, t = 0, r = 0, b = 0;
    bool operator==(const FrameBox&) const = default;
};

// The brush of a pattern item (0 ベタ .. 7 透過; 透過 paints like ベタ).
BrushKind PatternBrush(int style);
// The pen of a line style item (0 実線 .. 5 子持ち線).
PenKind LineStylePen(int penStyle);

// The frame before its line width: the print range at 100 %, moving towards
// the text block's left edge and first line's top as the size falls, and
// mirrored inside the range on the right and at the bottom.
FrameBox FrameRect(const DecorContext& context);

// The square of equal physical sides centred in the print range, as large as
// the box's smaller side allows.
FrameBox FitSquare(const FrameBox& box, const PageGeometry& page, const PrintRange& range,
                   int windowDpi);

// Corner ellipse size of the rounded shapes: Round(Width / lines / 2).
int CornerSize(int printableWidth, int lineCount);

// Line width in device pixels: Round on scaled targets, Trunc on the others;
// styled lines are one pixel wide.
int FramePenWidth(const FormatRecord& format, int pixY, bool roundIt);

void DrawBackground(const DecorContext& context, RenderTarget& target);
void DrawFrame(const DecorContext& context, RenderTarget& target);

} // namespace zenpa
