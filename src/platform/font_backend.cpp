#include "font_backend.h"

#include "core/units.h"
#include "vertical_text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>

#include <array>
#include <cmath>

namespace zenpa {

namespace {

// Windows faces that documents name, and the free faces that stand in for
// them, best first. Names are compared after compatibility folding (full-
// width letters become half-width) without case and without blanks.
struct Substitute {
    std::array<const char16_t*, 4> names;
    std::array<const char*, 6> families;
};

const Substitute kSubstitutes[] = {
    {{u"ＭＳ ゴシック", u"MS Gothic", u"MS UI Gothic", nullptr},
     {"IPAGothic", "IPAexGothic", "Noto Sans Mono CJK JP", "Noto Sans CJK JP", "VL Gothic",
      "TakaoGothic"}},
    {{u"ＭＳ Ｐゴシック", u"MS PGothic", u"メイリオ", u"Meiryo"},
     {"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP", "IPAGothic", "VL PGothic",
      "TakaoPGothic"}},
    {{u"ＭＳ 明朝", u"MS Mincho", nullptr, nullptr},
     {"IPAMincho", "IPAexMincho", "Noto Serif CJK JP", "TakaoMincho", nullptr, nullptr}},
    {{u"ＭＳ Ｐ明朝", u"MS PMincho", nullptr, nullptr},
     {"IPAPMincho", "IPAexMincho", "Noto Serif CJK JP", "IPAMincho", "TakaoPMincho", nullptr}},
};

const char* const kJapaneseFallback[] = {"IPAGothic", "IPAexGothic", "Noto Sans CJK JP",
                                         "VL Gothic", "TakaoGothic"};

QString foldName(const QString& name) {
    QString s = name.normalized(QString::NormalizationForm_KC).toLower();
    s.remove(QLatin1Char(' '));
    return s;
}

QString stripFoundry(const QString& family) {
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return bracket > 0 && family.endsWith(QLatin1Char(']')) ? family.left(bracket) : family;
}

bool isVerticalFace(const QString& face) {
    return face.startsWith(QLatin1Char('@'));
}

quint16 be16(const QByteArray& t, int at) {
    return at + 2 <= t.size() ? qFromBigEndian<quint16>(t.constData() + at) : 0;
}

} // namespace

// The design metrics of one family and style, read once.
struct FontBackend::Face {
    QString family;
    int style = 0;
    int unitsPerEm = 0; // 0 when the tables could not be read
    int winAscent = 0;
    int winDescent = 0;
};

FontBackend::FontBackend() : m_vertical(std::make_unique<VerticalText>()) {
    QStringList japanese;
    const QStringList families = QFontDatabase::families();
    for (const QString& f : families) {
        if (QFontDatabase::isPrivateFamily(f))
            continue;
        const QString name = stripFoundry(f);
        const QString key = name.toLower();
        if (m_lowerFaces.contains(key))
            continue;
        m_lowerFaces.insert(key, name);
        m_faces.push_back(name);
        if (QFontDatabase::writingSystems(f).contains(QFontDatabase::Japanese))
            japanese.push_back(QLatin1Char('@') + name);
    }
    // The faces documents from other systems name ("ＭＳ ゴシック"), listed
    // where a face that stands in for them is installed, so such documents
    // keep their faces and the new document's face shows in the lists.
    for (const Substitute& s : kSubstitutes) {
        const QString name = QString::fromUtf16(s.names[0]);
        bool standIn = false;
        for (const char* f : s.families)
            standIn = standIn || (f && m_lowerFaces.contains(QString::fromLatin1(f).toLower()));
        if (!standIn || m_lowerFaces.contains(name.toLower()))
            continue;
        m_aliases.insert(name.toLower());
        m_lowerFaces.insert(name.toLower(), name);
        m_faces.push_back(name);
        japanese.push_back(QLatin1Char('@') + name);
    }
    // The vertical-writing faces follow the plain ones, as font lists show them.
    for (const QString& name : japanese) {
        m_lowerFaces.insert(name.toLower(), name);
        m_faces.push_back(name);
    }
}

FontBackend::~FontBackend() = default;

FontBackend& FontBackend::instance() {
    static FontBackend backend;
    return backend;
}

bool FontBackend::hasFace(const QString& face) const {
    return m_lowerFaces.contains(face.toLower());
}

QString FontBackend::resolveFamily(const QString& face) const {
    auto cached = m_resolved.constFind(face);
    if (cached != m_resolved.constEnd())
        return *cached;

    // A vertical-writing face draws with the glyphs of its plain face.
    const QString name = isVerticalFace(face) ? face.mid(1) : face;
    QString family;
    if (auto it = m_lowerFaces.constFind(name.toLower());
        it != m_lowerFaces.constEnd() && !m_aliases.contains(it.key()))
        family = *it;
    if (family.isEmpty()) {
        const QString folded = foldName(name);
        for (const Substitute& s : kSubstitutes) {
            bool match = false;
            for (const char16_t* n : s.names)
                match = match || (n && foldName(QString::fromUtf16(n)) == folded);
            if (!match)
                continue;
            for (const char* f : s.families)
                if (f && hasFace(QString::fromLatin1(f))) {
                    family = m_lowerFaces.value(QString::fromLatin1(f).toLower());
                    break;
                }
            break;
        }
    }
    if (family.isEmpty()) {
        for (const char* f : kJapaneseFallback)
            if (hasFace(QString::fromLatin1(f))) {
                family = m_lowerFaces.value(QString::fromLatin1(f).toLower());
                break;
            }
    }
    if (family.isEmpty()) {
        for (const QString& f : m_faces)
            if (QFontDatabase::writingSystems(f).contains(QFontDatabase::Japanese)) {
                family = f;
                break;
            }
    }
    if (family.isEmpty())
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    m_resolved.insert(face, family);
    return family;
}

const FontBackend::Face& FontBackend::faceFor(const QString& family, int style) const {
    const QString key = family + QLatin1Char('/') + QString::number(style & (kBoldBit | kItalicBit));
    auto it = m_faceCache.constFind(key);
    if (it != m_faceCache.constEnd())
        return **it;
    auto face = std::make_shared<Face>();
    face->family = family;
    face->style = style;
    QFont f(family);
    f.setPixelSize(1000);
    f.setBold(style & kBoldBit);
    f.setItalic(style & kItalicBit);
    const QRawFont raw = QRawFont::fromFont(f);
    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    if (head.size() >= 54 && os2.size() >= 78) {
        face->unitsPerEm = be16(head, 18);
        face->winAscent = be16(os2, 74);
        face->winDescent = be16(os2, 76);
    }
    if (face->unitsPerEm <= 0 || face->winAscent + face->winDescent <= 0)
        face->unitsPerEm = 0;
    m_faceCache.insert(key, face);
    return *face;
}

int FontBackend::emPixels(const FontSpec& spec, const Face& face) const {
    switch (spec.unit) {
    case FontSizeUnit::Points:
        return MulDiv(spec.size, spec.resolution, 72);
    case FontSizeUnit::EmPixels:
        return spec.size;
    case FontSizeUnit::CellPixels: {
        const int cell = spec.size;
        if (face.unitsPerEm == 0)
            return cell;
        // The largest em whose rounded cell does not exceed the request.
        int ppem = MulDiv(face.unitsPerEm, cell, face.winAscent + face.winDescent);
        auto cellOf = [&](int em) {
            return static_cast<int>(
                       std::lround(static_cast<double>(face.winAscent) * em / face.unitsPerEm)) +
                   static_cast<int>(
                       std::lround(static_cast<double>(face.winDescent) * em / face.unitsPerEm));
        };
        if (ppem > 1 && cellOf(ppem) > cell)
            --ppem;
        return ppem;
    }
    }
    return spec.size;
}

QFont FontBackend::font(const FontSpec& spec) const {
    const QString family = resolveFamily(spec.face);
    const Face& face = faceFor(family, spec.style);
    QFont f(family);
    f.setPixelSize(std::max(1, emPixels(spec, face)));
    f.setBold(spec.style & kBoldBit);
    f.setItalic(spec.style & kItalicBit);
    f.setUnderline(spec.style & kUnderlineBit);
    f.setStrikeOut(spec.style & kStrikeoutBit);
    // Advances that scale linearly with the size on every device, no pair kerning.
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

FontMetricsPx FontBackend::metrics(const FontSpec& spec) const {
    const QString family = resolveFamily(spec.face);
    const Face& face = faceFor(family, spec.style);
    FontMetricsPx m;
    m.ppem = std::max(1, emPixels(spec, face));
    if (face.unitsPerEm > 0) {
        m.ascent = static_cast<int>(
            std::lround(static_cast<double>(face.winAscent) * m.ppem / face.unitsPerEm));
        m.descent = static_cast<int>(
            std::lround(static_cast<double>(face.winDescent) * m.ppem / face.unitsPerEm));
    } else {
        const QFontMetricsF fm(font(spec));
        m.ascent = qRound(fm.ascent());
        m.descent = qRound(fm.descent());
    }
    return m;
}

TextExtent FontBackend::measure(const FontSpec& spec, const QString& text) const {
    const FontMetricsPx m = metrics(spec);
    TextExtent e;
    e.height = m.height();
    if (text.isEmpty())
        return e;
    if (isVerticalFace(spec.face)) {
        e.width = Round(m_vertical->advance(font(spec), text));
    } else {
        const QFontMetricsF fm(font(spec));
        e.width = Round(fm.horizontalAdvance(text));
    }
    return e;
}

bool FontBackend::isSyntheticBold(const FontSpec& spec) const {
    if (!(spec.style & kBoldBit))
        return false;
    const QString family = resolveFamily(spec.face);
    auto it = m_hasBold.constFind(family);
    if (it == m_hasBold.constEnd()) {
        bool bold = false;
        for (const QString& style : QFontDatabase::styles(family))
            bold = bold || QFontDatabase::bold(family, style) ||
                   QFontDatabase::weight(family, style) >= QFont::DemiBold;
        it = m_hasBold.insert(family, bold);
    }
    return !*it;
}

int FontBackend::emboldenWidth(const FontSpec& spec) const {
    // As a font engine thickens a face that has no bold: by a 24th of the em.
    return std::max(1, metrics(spec).ppem / 24);
}

void FontBackend::drawText(QPainter& painter, const FontSpec& spec, QPointF topLeft,
                           const QString& text, const QColor& color, bool antialiased) const {
    if (text.isEmpty())
        return;
    if (isSyntheticBold(spec)) {
        // A face without a bold is thickened here, the same at every size:
        // Qt's own thickening is lost where large glyphs are drawn as outlines.
        FontSpec plain = spec;
        plain.style &= ~kBoldBit;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, antialiased);
        painter.setPen(QPen(color, emboldenWidth(spec), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(color);
        painter.drawPath(textPath(plain, topLeft, text));
        painter.restore();
        return;
    }
    const FontMetricsPx m = metrics(spec);
    painter.save();
    QFont f = font(spec);
    if (!antialiased)
        f.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(f);
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    // The cell's top edge is at y; the baseline lies the integer ascent below.
    if (isVerticalFace(spec.face))
        m_vertical->draw(painter, f, CellBox{topLeft, m.ascent, m.height()}, text, antialiased);
    else
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + m.ascent), text);
    painter.restore();
}

QPainterPath FontBackend::textPath(const FontSpec& spec, QPointF topLeft,
                                   const QString& text) const {
    QPainterPath path;
    if (text.isEmpty())
        return path;
    if (isSyntheticBold(spec)) {
        // The plain outline grown by half the thickening on every side.
        FontSpec plain = spec;
        plain.style &= ~kBoldBit;
        path = textPath(plain, topLeft, text);
        if (path.isEmpty())
            return path;
        QPainterPathStroker stroker;
        stroker.setWidth(emboldenWidth(spec));
        stroker.setJoinStyle(Qt::MiterJoin);
        stroker.setCapStyle(Qt::FlatCap);
        path.setFillRule(Qt::WindingFill);
        path.addPath(stroker.createStroke(path));
        return path.simplified();
    }
    const FontMetricsPx m = metrics(spec);
    if (isVerticalFace(spec.face))
        return m_vertical->path(font(spec), CellBox{topLeft, m.ascent, m.height()}, text);
    path.addText(QPointF(topLeft.x(), topLeft.y() + m.ascent), font(spec), text);
    return path;
}

} // namespace zenpa
