#pragma once

// The colour lists of the window: 16 named colours and "その他", each item
// drawn as a swatch with its name, bound to one role of the document (a
// choice and its paired custom colour). "その他" and the role's colour button
// open the colour dialog for the custom colour.

#include "core/app_state.h"
#include "core/interaction.h"

#include <QAbstractItemDelegate>
#include <QComboBox>

class QPainter;

namespace zenpa::ui {

// Draws item `index` of a colour list into `rect` (widget pixels): the
// swatch of the table colour (white for "その他" and anything else), the
// name in the list's font colour, or in the swatch's inverse where the two
// would be equal. A selected item swaps swatch and text colour; a disabled
// one has its swatch lightened.
void DrawColorItem(QPainter& painter, const QRect& rect, int index, const QString& text,
                   bool selected, bool enabled, const QColor& fontColor = Qt::black);

// Item drawing for any view of the 17 colour items (combo box pop-ups, list boxes).
class ColorItemDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The colour dialog as all roles share it: its current colour carries over
// from one role to the next, and its 16 custom slots are the document's
// Colors fields.
class ColorChooser {
public:
    ColorChooser(AppState& state, Interaction& interaction)
        : m_state(state), m_interaction(interaction) {}

    // ChooseCustomColor: on OK the custom colour becomes the chosen one and
    // the choice "その他"; true then. On Cancel nothing changes.
    bool chooseCustomColor(ColorChoice& choice, ColorRef& custom);

private:
    AppState& m_state;
    Interaction& m_interaction;
    ColorRef m_current = kBlack;
};

// One role of a colour list: where its choice and custom colour live, and
// when a change of the list or an OK in the dialog redraws the preview.
struct ColorRoleSpec {
    ColorChoice& (*choice)(FormatRecord&);
    ColorRef& (*custom)(FormatRecord&);
    bool (*redrawOnChange)(const FormatRecord&);
    bool (*redrawOnDialog)(const FormatRecord&);
    // Runs after a named item (0..15) was chosen; may be null.
    void (*onNamedItem)(FormatRecord&, int index) = nullptr;
};

class ColorList : public QComboBox {
    Q_OBJECT
public:
    ColorList(AppState& state, ColorChooser& chooser, const ColorRoleSpec& role, const char* name,
              QWidget* parent = nullptr);

    // Selects the role's choice (nothing for a choice outside the items).
    void showSettings();
    // As the user choosing item `index`: nothing selected takes the first
    // item, "その他" opens the dialog, then the preview redraws under the
    // role's condition.
    void choose(int index);
    // The role's colour button "色": the dialog, and a redraw on OK.
    void chooseCustom();
    // The dialog for the role without the dialog's own redraw; true on OK.
    bool askCustomColor();

    const ColorRoleSpec& role() const { return m_role; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppState& m_state;
    ColorChooser& m_chooser;
    ColorRoleSpec m_role;
};

} // namespace zenpa::ui
