#pragma once

// The layout of a whole page as every renderer runs it: the extent pass, then
// for each line its font, the fitted size, the size rule, its place and its
// alignment. Renderers draw what this computes; the command line reports it.

#include "document.h"
#include "line_layout.h"

#include <QVector>

#include <functional>

namespace zenpa {

// The main window's own face: what a per-line face that is not in the font
// list becomes on targets that only draw listed faces.
inline const QString kWindowFace = QStringLiteral("ＭＳ Ｐゴシック");

struct LaidOutLine {
    QString text;    // as drawn (an empty line stays empty)
    QString face;    // the face the line is measured and drawn with
    int style = 0;   // style bits
    int effect = 0;  // 0 none, 1 shadow, 2 hollow, 3 gradation
    ColorRef color = kBlack; // LineColor
    int percent = 100;
    FitResult fit;   // the line's own fitted size and its measurement at 100 points
    int fitWidth = 0; // text width at the fitted size, as in the extent pass
    LinePlacement placement; // after the size rule and the alignment
};

struct PageLayout {
    SlotMetrics slots;
    LineExtent extent;
    QVector<LaidOutLine> lines;
};

struct LayoutOptions {
    // Whether a face is in the font list; null means every face is.
    std::function<bool(const QString&)> isListedFace;
    // True on targets that use a per-line face even when it is not listed
    // (the printer and the exports); the preview replaces it.
    bool useUnlistedLineFaces = false;
};

// Lays out the document's lines (" " for an empty document) in the range,
// measuring on the canvas, whose font resolution the caller has set. Leaves
// the canvas with the last line's font.
PageLayout LayOutPage(const Document& doc, const PrintRange& range, Canvas& canvas,
                      const LayoutOptions& options = {});

} // namespace zenpa
