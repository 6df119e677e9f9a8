#include "hb_face.h"

#include <hb-ot.h>
#include <hb.h>

#include <memory>

namespace zenpa {

namespace {

// HarfBuzz asks for one table at a time; each comes from the raw font as a
// copy that the blob owns.
hb_blob_t* referenceTable(hb_face_t*, hb_tag_t tag, void* userData) {
    if (tag == HB_TAG_NONE)
        return nullptr; // the whole file is not needed
    const auto* raw = static_cast<const QRawFont*>(userData);
    char name[4];
    hb_tag_to_string(tag, name);
    auto table = std::make_unique<QByteArray>(raw->fontTable(name));
    if (table->isEmpty())
        return nullptr;
    const char* data = table->constData();
    const auto length = static_cast<unsigned>(table->size());
    return hb_blob_create(data, length, HB_MEMORY_MODE_READONLY, table.release(),
                          [](void* p) { delete static_cast<QByteArray*>(p); });
}

constexpr hb_tag_t kVert = HB_TAG('v', 'e', 'r', 't');
constexpr hb_tag_t kVkrn = HB_TAG('v', 'k', 'r', 'n');

} // namespace

HbFace::HbFace(const QRawFont& raw) {
    m_face = hb_face_create_for_tables(referenceTable, new QRawFont(raw),
                                       [](void* p) { delete static_cast<QRawFont*>(p); });
    m_upem = static_cast<int>(hb_face_get_upem(m_face));
    m_usable = hb_face_get_glyph_count(m_face) > 0;
    m_font = hb_font_create(m_face); // font units, HarfBuzz's own OpenType functions

    // The glyphs that the vertical forms replace, in every script and language.
    m_verticalForms = hb_set_create();
    hb_set_t* lookups = hb_set_create();
    const hb_tag_t features[] = {kVert, HB_TAG_NONE};
    hb_ot_layout_collect_lookups(m_face, HB_OT_TAG_GSUB, nullptr, nullptr, features, lookups);
    for (hb_codepoint_t l = HB_SET_VALUE_INVALID; hb_set_next(lookups, &l);)
        hb_ot_layout_lookup_collect_glyphs(m_face, HB_OT_TAG_GSUB, l, nullptr, m_verticalForms,
                                           nullptr, nullptr);
    hb_set_destroy(lookups);
}

HbFace::~HbFace() {
    hb_set_destroy(m_verticalForms);
    hb_font_destroy(m_font);
    hb_face_destroy(m_face);
}

bool HbFace::hasCharacter(char32_t c) const {
    hb_codepoint_t glyph = 0;
    return m_usable && hb_font_get_nominal_glyph(m_font, c, &glyph) && glyph != 0;
}

bool HbFace::hasVerticalForm(char32_t c) const {
    hb_codepoint_t glyph = 0;
    return hb_font_get_nominal_glyph(m_font, c, &glyph) && hb_set_has(m_verticalForms, glyph);
}

VerticalGlyphs HbFace::shapeVertical(const QString& text) const {
    VerticalGlyphs out;
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(text.utf16()),
                        static_cast<int>(text.size()), 0, static_cast<int>(text.size()));
    hb_buffer_guess_segment_properties(buffer);
    // A run of punctuation alone has no script of its own; the CJK lookups
    // hold the vertical forms.
    const hb_script_t script = hb_buffer_get_script(buffer);
    if (script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN)
        hb_buffer_set_script(buffer, HB_SCRIPT_HAN);
    hb_buffer_set_direction(buffer, HB_DIRECTION_TTB);
    hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
    const hb_feature_t features[] = {
        {kVert, 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
        {kVkrn, 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    };
    hb_shape(m_font, buffer, features, 2);

    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, nullptr);
    out.glyphs.reserve(static_cast<qsizetype>(count));
    out.positions.reserve(static_cast<qsizetype>(count));
    // HarfBuzz's y axis points up, the column runs down it.
    double u = 0, v = 0;
    for (unsigned i = 0; i < count; ++i) {
        out.glyphs.push_back(info[i].codepoint);
        out.positions.push_back(QPointF(u + pos[i].x_offset, -(v + pos[i].y_offset)));
        u += pos[i].x_advance;
        v += pos[i].y_advance;
    }
    out.advance = -v;
    hb_buffer_destroy(buffer);
    return out;
}

} // namespace zenpa
