#include "json_out.h"

#include <cstdio>

namespace zenpa::cli {

QJsonObject PageJson(const PageGeometry& p) {
    return {{"PixX", p.PixX},   {"PixY", p.PixY},   {"Width", p.Width},     {"Height", p.Height},
            {"SizeX", p.SizeX}, {"SizeY", p.SizeY}, {"OffsetX", p.OffsetX}, {"OffsetY", p.OffsetY}};
}

void WriteJson(const QJsonDocument& json) {
    const QByteArray text = json.toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
}

void WriteNote(const QString& note) {
    const QByteArray m = ("zenpa-cli: " + note + "\n").toUtf8();
    std::fwrite(m.constData(), 1, static_cast<size_t>(m.size()), stderr);
}

} // namespace zenpa::cli
