#include "vertical_text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTransform>
#include <QtEndian>

#include <unicode/uchar.h>

#include <algorithm>

namespace zenpa {

namespace {

// Lines shaped and kept; a preview shows a handful, the layout measures each
// at a few sizes, all from one shaping.
constexpr int kCachedLines = 2048;
// Fonts at one size each; the preview's sizes change with every edit.
constexpr qsizetype kCachedSizedFonts = 256;
constexpr qsizetype kCachedFallbacks = 4096;

// What a face decides a line's shaping by: the family and the style, not the
// size.
QString faceKey(const QFont& font) {
    return font.family() + QLatin1Char('/') + QString::number(font.weight()) + QLatin1Char('/') +
           QString::number(static_cast<int>(font.style()));
}

QFont withFamily(const QFont& font, const QString& family) {
    if (family == font.family())
        return font;
    QFont f = font;
    f.setFamilies({family});
    return f;
}

// The plain face without its lines: runs are drawn separately, the underline
// and the strikeout once along the whole line.
QFont withoutLines(const QFont& font) {
    QFont f = font;
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

double emPixels(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

// Vertical Japanese keeps ideographs, kana and most symbols upright (U) and
// uses vertical forms for some punctuation (Tu, Tr); Latin letters, digits and
// the like lie on their side (R), which is how they are drawn here unturned.
int verticalOrientation(char32_t c) {
    return u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_VERTICAL_ORIENTATION);
}

// Whether the face has every visible character of the cluster; variation
// selectors and joiners need no glyph of their own.
bool hasCluster(const HbFace& face, const QString& cluster) {
    for (char32_t c : cluster.toUcs4())
        if (!u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_DEFAULT_IGNORABLE_CODE_POINT) &&
            !face.hasCharacter(c))
            return false;
    return true;
}

// The frame of a turned run: its x axis runs up the page, its y axis along the
// line, its origin on the cell's middle line where the run starts.
QTransform turnedFrame(double x, double middle) {
    QTransform t;
    t.translate(x, middle);
    t.rotate(-90);
    return t;
}

// The underline and the strikeout of a line of the given width, as the plain
// face places them along its baseline, on whole pixels.
void addLineDecorations(QPainterPath& path, const QFont& font, const CellBox& cell, double width) {
    const QFontMetricsF fm(font);
    const double baseline = cell.topLeft.y() + cell.ascent;
    const double thickness = std::max(1.0, std::round(fm.lineWidth()));
    if (font.underline())
        path.addRect(cell.topLeft.x(), std::round(baseline + fm.underlinePos()), width, thickness);
    if (font.strikeOut())
        path.addRect(cell.topLeft.x(), std::round(baseline - fm.strikeOutPos()), width, thickness);
}

} // namespace

VerticalText::VerticalText() : m_lines(kCachedLines) {}

VerticalText::~VerticalText() = default;

const QPainterPath& VerticalText::SizedFont::outline(quint32 glyph) {
    auto it = outlines.constFind(glyph);
    if (it == outlines.constEnd())
        it = outlines.insert(glyph, raw.pathForGlyph(glyph));
    return *it;
}

std::shared_ptr<VerticalText::SizedFont> VerticalText::sizedFont(const QFont& font) {
    const QString key = font.key();
    auto it = m_sizedFonts.constFind(key);
    if (it != m_sizedFonts.constEnd())
        return *it;
    if (m_sizedFonts.size() >= kCachedSizedFonts)
        m_sizedFonts.clear();
    auto sized = std::make_shared<SizedFont>();
    // Any writing system: a Japanese request would swap a fallback face for a
    // Japanese one.
    sized->raw = QRawFont::fromFont(font, QFontDatabase::Any);
    // Bold or italic that the face's file does not have: Qt thickens or slants
    // the glyphs itself.
    const QByteArray head = sized->raw.fontTable("head");
    const int macStyle = head.size() >= 46 ? qFromBigEndian<quint16>(head.constData() + 44) : 0;
    sized->synthetic = (font.weight() > QFont::Medium && !(macStyle & 1)) ||
                       (font.style() != QFont::StyleNormal && !(macStyle & 2));
    m_sizedFonts.insert(key, sized);
    return sized;
}

std::shared_ptr<HbFace> VerticalText::faceOf(const QFont& font) {
    const QRawFont& raw = sizedFont(font)->raw;
    // Synthetic bold and italic draw from the same file as the plain style.
    const QString key = raw.familyName() + QLatin1Char('/') + raw.styleName();
    auto it = m_faces.constFind(key);
    if (it != m_faces.constEnd())
        return *it;
    auto face = std::make_shared<HbFace>(raw);
    m_faces.insert(key, face);
    return face;
}

QString VerticalText::fallbackFamily(const QFont& font, const QString& cluster) {
    const QString key = faceKey(font) + QLatin1Char('\n') + cluster;
    auto it = m_fallbacks.constFind(key);
    if (it != m_fallbacks.constEnd())
        return *it;
    // The face Qt itself falls back to for the plain face.
    QString family;
    QTextLayout layout(cluster, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (!runs.isEmpty() && runs.first().rawFont().familyName() != font.family())
        family = runs.first().rawFont().familyName();
    if (m_fallbacks.size() >= kCachedFallbacks)
        m_fallbacks.clear();
    m_fallbacks.insert(key, family);
    return family;
}

const VerticalText::Line& VerticalText::shaped(const QFont& font, const QString& text) {
    const QString key = faceKey(font) + QLatin1Char('\n') + text;
    if (const Line* cached = m_lines.object(key))
        return *cached;

    auto line = std::make_unique<Line>();
    const std::shared_ptr<HbFace> own = faceOf(font);
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = clusters.toNextBoundary(); end > 0; end = clusters.toNextBoundary()) {
        const QString cluster = text.mid(start, end - start);
        start = end;
        const char32_t first = cluster.toUcs4().value(0);
        const int orientation = verticalOrientation(first);
        bool turned = orientation != U_VO_ROTATED;
        QString family = font.family();
        std::shared_ptr<HbFace> face = own;
        if (turned && !hasCluster(*own, cluster)) {
            const QString other = fallbackFamily(font, cluster);
            if (!other.isEmpty()) {
                family = other;
                face = faceOf(withFamily(font, other));
            }
        }
        // Without a vertical form such punctuation reads right when it lies on
        // its side, as it does unturned (a colon would stand as ":" turned).
        if (orientation == U_VO_TRANSFORMED_ROTATED && !face->hasVerticalForm(first))
            turned = false;
        if (!face->usable())
            turned = false;

        Run* last = line->runs.isEmpty() ? nullptr : &line->runs.last();
        if (last && last->turned == turned && (!turned || last->family == family)) {
            last->text += cluster;
            continue;
        }
        Run run;
        run.turned = turned;
        run.text = cluster;
        if (turned) {
            run.family = family;
            run.face = face;
        }
        line->runs.push_back(run);
    }
    for (Run& run : line->runs)
        if (run.turned)
            run.glyphs = run.face->shapeVertical(run.text);

    const Line* out = line.get();
    m_lines.insert(key, line.release());
    return *out;
}

VerticalText::Placement VerticalText::place(const QFont& font, const QString& text) {
    Placement out;
    const Line& line = shaped(font, text);
    const double em = emPixels(font);
    const QFontMetricsF fm(font);
    for (const Run& run : line.runs) {
        PlacedRun placed;
        placed.run = &run;
        placed.x = out.width;
        if (run.turned) {
            placed.scale = em / run.face->unitsPerEm();
            out.width += run.glyphs.advance * placed.scale;
        } else {
            out.width += fm.horizontalAdvance(run.text);
        }
        out.runs.push_back(placed);
    }
    return out;
}

double VerticalText::advance(const QFont& font, const QString& text) {
    return place(withoutLines(font), text).width;
}

void VerticalText::SizedFont::addOutlines(QPainterPath& out, const VerticalGlyphs& g, double scale,
                                          const QTransform& frame) {
    for (qsizetype i = 0; i < g.glyphs.size(); ++i)
        out.addPath(frame.map(outline(g.glyphs[i]).translated(g.positions[i] * scale)));
}

void VerticalText::draw(QPainter& painter, const QFont& font, const CellBox& cell,
                        const QString& text, bool antialiased) {
    const QFont bare = withoutLines(font);
    const Placement placed = place(bare, text);
    const double baseline = cell.topLeft.y() + cell.ascent;
    const double middle = cell.topLeft.y() + cell.height / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    painter.setFont(bare);
    QPainterPath filled;
    filled.setFillRule(Qt::WindingFill); // as glyph outlines are meant
    for (const PlacedRun& p : placed.runs) {
        const double x = cell.topLeft.x() + p.x;
        if (!p.run->turned) {
            painter.drawText(QPointF(x, baseline), p.run->text);
            continue;
        }
        const std::shared_ptr<SizedFont> sized = sizedFont(withFamily(bare, p.run->family));
        const QTransform frame = turnedFrame(x, middle);
        // Qt would slant or thicken the turned glyph images across the line.
        if (sized->synthetic) {
            sized->addOutlines(filled, p.run->glyphs, p.scale, frame);
            continue;
        }
        QGlyphRun glyphs;
        glyphs.setRawFont(sized->raw);
        glyphs.setGlyphIndexes(p.run->glyphs.glyphs);
        QVector<QPointF> positions;
        positions.reserve(p.run->glyphs.positions.size());
        for (const QPointF& at : p.run->glyphs.positions)
            positions.push_back(at * p.scale);
        glyphs.setPositions(positions);
        painter.save();
        painter.setTransform(frame, true);
        painter.drawGlyphRun(QPointF(), glyphs);
        painter.restore();
    }
    addLineDecorations(filled, font, cell, placed.width);
    painter.fillPath(filled, painter.pen().color());
    painter.restore();
}

QPainterPath VerticalText::path(const QFont& font, const CellBox& cell, const QString& text) {
    const QFont bare = withoutLines(font);
    const Placement placed = place(bare, text);
    const double baseline = cell.topLeft.y() + cell.ascent;
    const double middle = cell.topLeft.y() + cell.height / 2.0;
    QPainterPath out;
    out.setFillRule(Qt::WindingFill);
    for (const PlacedRun& p : placed.runs) {
        const double x = cell.topLeft.x() + p.x;
        if (p.run->turned)
            sizedFont(withFamily(bare, p.run->family))
                ->addOutlines(out, p.run->glyphs, p.scale, turnedFrame(x, middle));
        else
            out.addText(QPointF(x, baseline), bare, p.run->text);
    }
    addLineDecorations(out, font, cell, placed.width);
    return out;
}

} // namespace zenpa
