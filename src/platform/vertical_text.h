#pragma once

// Lines in a vertical-writing face ("@" and a face name). Such a line runs
// along a horizontal baseline like any other, but the characters that stand
// upright in vertical Japanese are drawn turned 90° counter-clockwise, with
// their vertical forms and vertical advances; the others (Latin letters,
// digits) are drawn as in the plain face. Turned a quarter clockwise, the
// sheet then reads top to bottom. Measuring, drawing and the outline all
// place the runs the same way, so the three agree.

#include "hb_face.h"

#include <QCache>
#include <QFont>
#include <QHash>
#include <QPainterPath>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QTransform>
#include <QVector>

#include <memory>

class QPainter;

namespace zenpa {

// Where a line is drawn: the top-left corner of its cell and the plain face's
// integer ascent and cell height, in pixels of the paint device.
struct CellBox {
    QPointF topLeft;
    int ascent = 0;
    int height = 0;
};

class VerticalText {
public:
    VerticalText();
    ~VerticalText();
    VerticalText(const VerticalText&) = delete;
    VerticalText& operator=(const VerticalText&) = delete;

    // The width of the text in pixels: the sum of its runs' advances as drawn.
    // font is the plain face at its pixel size.
    double advance(const QFont& font, const QString& text);
    // Draws the text in the painter's pen colour, underline and strikeout
    // along the baseline. Turned glyphs in a synthetic bold or italic are
    // filled outlines, so that they thicken and slant in their own upright
    // frame at every size and on every device.
    void draw(QPainter& painter, const QFont& font, const CellBox& cell, const QString& text,
              bool antialiased);
    // The outline of what draw() draws, for clipping to the text.
    QPainterPath path(const QFont& font, const CellBox& cell, const QString& text);

private:
    // A stretch of the line drawn one way: turned (with the face that has its
    // characters, the line's own or a fallback) or as in the plain face.
    struct Run {
        bool turned = false;
        QString text;
        QString family;               // turned: the face that draws the run
        std::shared_ptr<HbFace> face; // turned
        VerticalGlyphs glyphs;        // turned, font units
    };
    // The runs of one text in one face, the same at every size.
    struct Line {
        QVector<Run> runs;
    };
    // A run where the line places it, pixels from the line's start.
    struct PlacedRun {
        const Run* run = nullptr;
        double x = 0;
        double scale = 1; // turned: pixels per font unit
    };
    struct Placement {
        QVector<PlacedRun> runs;
        double width = 0;
    };

    // A font at one size with the outlines of its glyphs, kept because the
    // preview draws the same glyphs at the same size again and again.
    struct SizedFont {
        QRawFont raw;
        bool synthetic = false; // bold or italic made by Qt, not by the face's file
        QHash<quint32, QPainterPath> outlines;
        const QPainterPath& outline(quint32 glyph);
        // Adds a turned run's glyph outlines placed by the run's frame.
        void addOutlines(QPainterPath& out, const VerticalGlyphs& g, double scale,
                         const QTransform& frame);
    };

    Placement place(const QFont& font, const QString& text);
    const Line& shaped(const QFont& font, const QString& text);
    std::shared_ptr<HbFace> faceOf(const QFont& font);
    std::shared_ptr<SizedFont> sizedFont(const QFont& font);
    QString fallbackFamily(const QFont& font, const QString& cluster);

    QCache<QString, Line> m_lines;
    QHash<QString, std::shared_ptr<HbFace>> m_faces;         // per font file
    QHash<QString, std::shared_ptr<SizedFont>> m_sizedFonts; // per font and size
    QHash<QString, QString> m_fallbacks;                     // per face and character
};

} // namespace zenpa
