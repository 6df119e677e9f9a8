#pragma once

// Small builders the settings pages share.

#include <QStringList>

class QComboBox;
class QGridLayout;
class QWidget;

namespace zenpa::ui {

class ColorList;

// A hint shown as the tool tip and in the status bar.
void SetHint(QWidget* widget, const QString& hint);

// A drop-down list of fixed items.
QComboBox* ItemList(QWidget* parent, const char* name, const QStringList& items);

// A colour list in `row` of `grid`: its caption (may be null), the list and
// the button "色" named `button` beside it.
void AddColorRow(QGridLayout* grid, int row, QWidget* caption, ColorList* list, const char* button);

} // namespace zenpa::ui
