#pragma once

// What the commands print: JSON on standard output, notes on standard error.

#include "core/page_geometry.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace zenpa::cli {

// The eight page facts by their names.
QJsonObject PageJson(const PageGeometry& page);

// Indented, on standard output.
void WriteJson(const QJsonDocument& json);

// One line on standard error, after "zenpa-cli: ".
void WriteNote(const QString& note);

} // namespace zenpa::cli
