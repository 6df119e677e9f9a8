#include "color_list.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace zenpa::ui {

namespace {

QColor toQColor(ColorRef c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace

void DrawColorItem(QPainter& painter, const QRect& rect, int index, const QString& text,
                   bool selected, bool enabled, const QColor& fontColor) {
    // "その他" shows white, not the custom colour: the list names a choice.
    QColor swatch = index >= 0 && index < kOtherColor
                        ? toQColor(ColorTable()[static_cast<std::size_t>(index)].color)
                        : QColor(Qt::white);
    QColor ink = fontColor;
    if (ink.rgb() == swatch.rgb())
        ink = QColor(255 - swatch.red(), 255 - swatch.green(), 255 - swatch.blue());
    if (selected) std::swap(swatch, ink);
    if (!enabled) swatch = QColor(swatch.red() | 0x80, swatch.green() | 0x80, swatch.blue() | 0x80);
    painter.save();
    painter.fillRect(rect, swatch);
    painter.setPen(ink);
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     text);
    painter.restore();
}

void ColorItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    painter->save();
    painter->setFont(option.font);
    const bool enabled =
        (option.state & QStyle::State_Enabled) && (index.flags() & Qt::ItemIsEnabled);
    DrawColorItem(*painter, option.rect, index.row(), index.data(Qt::DisplayRole).toString(),
                  option.state & QStyle::State_Selected, enabled);
    painter->restore();
}

QSize ColorItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QFontMetrics metrics(option.font);
    return QSize(metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 8,
                 metrics.height() + 2);
}

bool ColorChooser::chooseCustomColor(ColorChoice& choice, ColorRef& custom) {
    const std::optional<ColorRef> chosen =
        m_interaction.chooseColor(m_current, m_state.doc.format.Colors);
    if (!chosen) return false;
    m_current = *chosen;
    custom = *chosen;
    choice = kOtherColor;
    return true;
}

ColorList::ColorList(AppState& state, ColorChooser& chooser, const ColorRoleSpec& role,
                     const char* name, QWidget* parent)
    : QComboBox(parent), m_state(state), m_chooser(chooser), m_role(role) {
    setObjectName(QLatin1String(name));
    setItemDelegate(new ColorItemDelegate(this));
    for (int i = 0; i < kColorItemCount; ++i)
        addItem(ColorItemName(i));
    setMaxVisibleItems(kColorItemCount);
    setMinimumWidth(110);
    connect(this, &QComboBox::activated, this, &ColorList::choose);
    showSettings();
}

void ColorList::showSettings() {
    const int choice = m_role.choice(m_state.doc.format);
    const QSignalBlocker block(this);
    setCurrentIndex(choice >= 0 && choice < count() ? choice : -1);
}

void ColorList::choose(int index) {
    FormatRecord& f = m_state.doc.format;
    if (index < 0 || index >= count()) index = 0;
    m_role.choice(f) = index;
    showSettings();
    bool redraw = m_role.redrawOnChange(f);
    if (index == kOtherColor)
        redraw = (askCustomColor() && m_role.redrawOnDialog(f)) || redraw;
    else if (m_role.onNamedItem)
        m_role.onNamedItem(f, index);
    if (redraw) m_state.requestRedraw();
}

void ColorList::chooseCustom() {
    if (askCustomColor() && m_role.redrawOnDialog(m_state.doc.format)) m_state.requestRedraw();
}

bool ColorList::askCustomColor() {
    FormatRecord& f = m_state.doc.format;
    if (!m_chooser.chooseCustomColor(m_role.choice(f), m_role.custom(f))) return false;
    showSettings();
    return true;
}

void ColorList::paintEvent(QPaintEvent*) {
    // The closed list shows its item as the pop-up draws it, selected while focused.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const int index = currentIndex();
    if (index < 0) return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawColorItem(painter, field, index, itemText(index), hasFocus(), isEnabled());
}

} // namespace zenpa::ui
