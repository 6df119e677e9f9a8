#pragma once

// Faces, their resolution to installed families, and text measurement on
// Qt's fonts. Nothing else in the program looks at a face name: the layout
// only asks for widths and heights. A face named "@" and a face's name is
// the vertical-writing form of that face (see vertical_text.h); it measures,
// draws and outlines through the same three calls as any other.

#include "core/canvas.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QSet>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QPainterPath;

namespace zenpa {

// Integer metrics of a font at one em size, as a page is laid out with them.
struct FontMetricsPx {
    int ppem = 0;    // em height, pixels
    int ascent = 0;  // pixels above the baseline
    int descent = 0; // pixels below it
    int height() const { return ascent + descent; }
};

class VerticalText;

class FontBackend {
public:
    FontBackend();
    ~FontBackend();
    FontBackend(const FontBackend&) = delete;
    FontBackend& operator=(const FontBackend&) = delete;

    // The program's shared backend (built on first use, after the
    // QGuiApplication exists).
    static FontBackend& instance();

    // The faces a user can choose: installed families without foundry
    // duplicates, in the order the system lists them, then "@" and the name of
    // every one of them that can write Japanese.
    const QStringList& faces() const { return m_faces; }
    // Whether a face is in faces() (case-insensitive).
    bool hasFace(const QString& face) const;

    // The installed family a face name draws with: the family itself, a
    // substitute for the well-known Windows faces, or a Japanese gothic face.
    // "@X" draws with the family of X.
    QString resolveFamily(const QString& face) const;

    // The Qt font for a FontSpec, sized in pixels as it asks (for "@X" the
    // font of X, which the vertical path turns).
    QFont font(const FontSpec& spec) const;
    FontMetricsPx metrics(const FontSpec& spec) const;

    // Width of the text (sum of the advances as drawn) and cell height.
    TextExtent measure(const FontSpec& spec, const QString& text) const;

    // Draws the text with the top-left corner of its cell at topLeft (device
    // pixels of the painter), transparently, in the given colour. Measuring
    // and drawing go through the same fonts, so the ink lies inside the
    // measured box.
    void drawText(QPainter& painter, const FontSpec& spec, QPointF topLeft, const QString& text,
                  const QColor& color, bool antialiased = true) const;

    // The outline of the text as drawText would draw it (empty for blanks).
    QPainterPath textPath(const FontSpec& spec, QPointF topLeft, const QString& text) const;

    // Bold asked of a face that has no bold style: drawn thickened.
    bool isSyntheticBold(const FontSpec& spec) const;

private:
    struct Face;
    int emboldenWidth(const FontSpec& spec) const;
    const Face& faceFor(const QString& family, int style) const;
    int emPixels(const FontSpec& spec, const Face& face) const;

    QStringList m_faces;
    QHash<QString, QString> m_lowerFaces; // lower-case name → listed name
    QSet<QString> m_aliases;
    mutable QHash<QString, bool> m_hasBold; // family → has a bold style              // listed names drawn with a stand-in face
    mutable QHash<QString, QString> m_resolved;
    mutable QHash<QString, std::shared_ptr<Face>> m_faceCache;
    std::unique_ptr<VerticalText> m_vertical; // shapes and caches the "@" lines
};

} // namespace zenpa
