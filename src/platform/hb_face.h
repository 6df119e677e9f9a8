#pragma once

// One font file as HarfBuzz sees it, for the vertical-writing faces: shaping
// top to bottom with the face's vertical forms and vertical advances, and
// which characters those forms cover. Qt 6.4 has no font-feature API, so the
// tables come from Qt's own font through QRawFont.

#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QVector>

struct hb_face_t;
struct hb_font_t;
struct hb_set_t;

namespace zenpa {

// Glyphs of a run shaped top to bottom, in font units. A position is a glyph's
// origin in the run's own frame: y runs down the column from its top, x = 0 is
// the column's centre line.
struct VerticalGlyphs {
    QVector<quint32> glyphs;
    QVector<QPointF> positions;
    double advance = 0; // along the column
};

class HbFace {
public:
    // Reads the tables of the raw font's file lazily, as HarfBuzz asks for them.
    explicit HbFace(const QRawFont& raw);
    ~HbFace();
    HbFace(const HbFace&) = delete;
    HbFace& operator=(const HbFace&) = delete;

    int unitsPerEm() const { return m_upem; }
    // False when Qt could not hand over the tables (a face that is not
    // OpenType): the face then has no character.
    bool usable() const { return m_usable; }
    // Whether the face maps the character to a glyph of its own.
    bool hasCharacter(char32_t c) const;
    // Whether the face's vertical forms ('vert') replace the character's glyph.
    bool hasVerticalForm(char32_t c) const;
    // Shapes a run of text top to bottom, Japanese, with the vertical forms and
    // without pair kerning.
    VerticalGlyphs shapeVertical(const QString& text) const;

private:
    hb_face_t* m_face = nullptr;
    hb_font_t* m_font = nullptr;
    hb_set_t* m_verticalForms = nullptr; // glyphs that 'vert' substitutes
    int m_upem = 1000;
    bool m_usable = false;
};

} // namespace zenpa
