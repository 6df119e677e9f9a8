#include "font_page.h"

#include "clickable_label.h"
#include "color_list.h"
#include "core/item_limits.h"
#include "decor/effects_model.h"
#include "page_parts.h"
#include "spin_edit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zenpa::ui {

namespace {

constexpr int kDirectionLowerRight = 3;

template <int E> bool whileEffect(const FormatRecord& f) {
    return f.Font.Efect == E;
}

const ColorRoleSpec kTextRole{[](FormatRecord& f) -> ColorChoice& { return f.Font.SColor; },
                              [](FormatRecord& f) -> ColorRef& { return f.Font.STColor; },
                              [](const FormatRecord& f) { return !f.LineFont.Mode; },
                              [](const FormatRecord&) { return true; },
                              [](FormatRecord& f, int index) {
                                  f.Font.Color =
                                      ColorTable()[static_cast<std::size_t>(index)].color;
                              }};
const ColorRoleSpec kShadowRole{[](FormatRecord& f) -> ColorChoice& { return f.Font.ShadowColor; },
                                [](FormatRecord& f) -> ColorRef& { return f.Font.ShadowColor2; },
                                whileEffect<kEffectShadow>, whileEffect<kEffectShadow>};
const ColorRoleSpec kHollowRole{[](FormatRecord& f) -> ColorChoice& { return f.Font.OutLineColor; },
                                [](FormatRecord& f) -> ColorRef& { return f.Font.OutLineColor2; },
                                whileEffect<kEffectHollow>, whileEffect<kEffectHollow>};
const ColorRoleSpec kGradationStartRole{
    [](FormatRecord& f) -> ColorChoice& { return f.Font.Gradation1Color1; },
    [](FormatRecord& f) -> ColorRef& { return f.Font.Gradation1Color2; },
    whileEffect<kEffectGradation>, whileEffect<kEffectGradation>};
const ColorRoleSpec kGradationEndRole{
    [](FormatRecord& f) -> ColorChoice& { return f.Font.Gradation2Color1; },
    [](FormatRecord& f) -> ColorRef& { return f.Font.Gradation2Color2; },
    whileEffect<kEffectGradation>, whileEffect<kEffectGradation>};

} // namespace

FontPage::FontPage(AppState& state, ColorChooser& chooser, QWidget* parent)
    : QWidget(parent), m_state(state), m_chooser(chooser) {
    setObjectName(QStringLiteral("TS2"));
    auto* layout = new QGridLayout(this);
    // Column 0 above the effect settings is kept for the font list, the
    // registered fonts and the style switches.
    auto* fontColumn = new QVBoxLayout;
    fontColumn->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(createColorGroup());
    right->addWidget(createEffectGroup());
    layout->addLayout(fontColumn, 0, 0);
    layout->addLayout(right, 0, 1);
    layout->addWidget(createShadowGroup(), 1, 0);
    layout->addWidget(createHollowGroup(), 1, 1);
    layout->addWidget(createGradationGroup(), 2, 0);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    // Enter steps on to the next control in the distance and the effect colour lists.
    m_shadowWidth->installEventFilter(this);
    for (ColorList* list : m_colorLists)
        if (list->objectName() != QLatin1String("Scolor")) list->installEventFilter(this);

    m_state.addObserver(this);
    showSettings();
}

FontPage::~FontPage() {
    m_state.removeObserver(this);
}

ColorList* FontPage::colorList(const char* name, const ColorRoleSpec& role, QWidget* parent) {
    auto* list = new ColorList(m_state, m_chooser, role, name, parent);
    m_colorLists.push_back(list);
    return list;
}

QWidget* FontPage::createColorGroup() {
    auto* box = new DoubleClickGroup(QStringLiteral("文字色(&M)"), this);
    auto* grid = new QGridLayout(box);
    ColorList* list = colorList("Scolor", kTextRole, box);
    AddColorRow(grid, 0, nullptr, list, "SBfontcolorset");
    grid->setColumnStretch(1, 1);
    // The list shows "黒色" again; the colour the text is drawn in stays
    // (a colour taken from the font dialog, for one).
    connect(box, &DoubleClickGroup::doubleClicked, this, [this, list] {
        FormatRecord& f = m_state.doc.format;
        const bool changed = f.Font.SColor != 0;
        f.Font.SColor = 0;
        list->showSettings();
        if (changed && !f.LineFont.Mode) m_state.requestRedraw();
    });
    return box;
}

QWidget* FontPage::createEffectGroup() {
    auto* box = new QGroupBox(QStringLiteral("効果"), this);
    box->setObjectName(QStringLiteral("RGfontstyle"));
    m_effectBox = box;
    m_effect = new QButtonGroup(this);
    auto* column = new QVBoxLayout(box);
    const QStringList items{QStringLiteral("なし(普通)"), QStringLiteral("影付き"),
                            QStringLiteral("中抜き"), QStringLiteral("ｸﾞﾗﾃﾞｰｼｮﾝ")};
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        m_effect->addButton(b, i);
        column->addWidget(b);
    }
    connect(m_effect, &QButtonGroup::idClicked, this, &FontPage::selectEffect);
    return box;
}

SpinEdit* FontPage::numberRow(QGridLayout* grid, const char* name, int maximum,
                              const QString& caption, const QString& unit) {
    QWidget* parent = grid->parentWidget();
    auto* edit = new SpinEdit(name, 1, maximum, parent);
    grid->addWidget(edit, 0, 1);
    int column = 0;
    for (const QString& text : {caption, unit}) {
        // A click on the caption or the unit puts the number at 1.
        auto* label = new ClickableLabel(text, parent);
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &ClickableLabel::clicked, edit, [edit] { edit->setValue(1); });
        grid->addWidget(label, 0, column);
        column += 2;
    }
    return edit;
}

QWidget* FontPage::createShadowGroup() {
    auto* box = new QGroupBox(QStringLiteral("影付き"), this);
    auto* grid = new QGridLayout(box);
    m_shadowWidth = numberRow(grid, "SEfont", 9999, QStringLiteral("距離"), QStringLiteral("mm"));
    AddColorRow(grid, 1, new QLabel(QStringLiteral("影の色"), box),
                colorList("CBfontshadow1", kShadowRole, box), "SBfontshadowcolor");
    m_shadowDirection =
        ItemList(box, "CBfontshadow2",
                 {QStringLiteral("上↑"), QStringLiteral("右上"), QStringLiteral("右→"),
                  QStringLiteral("右下"), QStringLiteral("下↓"), QStringLiteral("左下"),
                  QStringLiteral("左←"), QStringLiteral("左上")});
    grid->addWidget(new QLabel(QStringLiteral("方向"), box), 2, 0);
    grid->addWidget(m_shadowDirection, 2, 1);

    connect(m_shadowWidth, &SpinEdit::edited, this, [this](int mm) {
        m_state.doc.format.Font.ShadowWidth = mm;
        if (m_state.doc.format.Font.Efect == kEffectShadow) m_state.requestRedraw();
    });
    connect(m_shadowDirection, &QComboBox::activated, this, [this](int item) {
        FormatRecord& f = m_state.doc.format;
        f.Font.Shadow = item >= 0 ? item : kDirectionLowerRight;
        if (f.Font.Efect == kEffectShadow) m_state.requestRedraw();
    });
    return box;
}

QWidget* FontPage::createHollowGroup() {
    auto* box = new QGroupBox(QStringLiteral("中抜き"), this);
    const QString hint = QStringLiteral("10よりも多いと表示に時間がかかります。");
    SetHint(box, hint);
    auto* grid = new QGridLayout(box);
    m_outline =
        numberRow(grid, "SEfontoutline", 100, QStringLiteral("線の幅"), QStringLiteral("×0.1mm"));
    SetHint(m_outline, hint);
    AddColorRow(grid, 1, new QLabel(QStringLiteral("中の色"), box),
                colorList("CBfontoutline1", kHollowRole, box), "SBfontoutlinecolor");
    connect(m_outline, &SpinEdit::edited, this, [this](int tenths) {
        m_state.doc.format.Font.OutLine = tenths;
        if (!m_state.doc.format.LineFont.Mode) m_state.requestRedraw();
    });
    return box;
}

QWidget* FontPage::createGradationGroup() {
    m_gradationBox = new QGroupBox(QStringLiteral("ｸﾞﾗﾃﾞｰｼｮﾝ(&G)"), this);
    m_gradationBox->setObjectName(QStringLiteral("GBfontgradation"));
    auto* grid = new QGridLayout(m_gradationBox);
    AddColorRow(grid, 0, new QLabel(QStringLiteral("開始色"), m_gradationBox),
                colorList("CBfontgradation1", kGradationStartRole, m_gradationBox),
                "SBfontgradationcolor1");
    AddColorRow(grid, 1, new QLabel(QStringLiteral("終了色"), m_gradationBox),
                colorList("CBfontgradation2", kGradationEndRole, m_gradationBox),
                "SBfontgradationcolor2");
    return m_gradationBox;
}

bool FontPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FontPage::stateChanged(unsigned changes) {
    if (changes & kChangeFormat) showSettings();
}

void FontPage::showSettings() {
    const FormatRecord::FontSection& f = m_state.doc.format.Font;
    const bool offered = m_state.effectItems >= kEffectItemsWithGradation;
    m_effect->button(kEffectGradation)->setHidden(!offered);
    m_gradationBox->setHidden(!offered);
    // An effect outside the items leaves the group without a selection.
    const int item = f.Efect >= 0 && f.Efect < m_state.effectItems ? f.Efect : kNoItem;
    m_effect->setExclusive(false);
    for (QAbstractButton* b : m_effect->buttons())
        b->setChecked(m_effect->id(b) == item);
    m_effect->setExclusive(true);
    m_shadowWidth->showValue(f.ShadowWidth);
    {
        const QSignalBlocker block(m_shadowDirection);
        m_shadowDirection->setCurrentIndex(ListIndex(f.Shadow, m_shadowDirection->count()));
    }
    m_outline->showValue(f.OutLine);
    for (ColorList* list : m_colorLists)
        list->showSettings();
}

void FontPage::selectEffect(int item) {
    FormatRecord& f = m_state.doc.format;
    item = LimitEffectIndex(item, m_state.effectItems);
    f.Font.Efect = item < 0 ? kEffectNone : item;
    showSettings();
    Q_EMIT effectChanged(f.Font.Efect);
    if (f.Font.Efect == kEffectShadow && isVisible()) m_shadowWidth->setFocus();
    if (!f.LineFont.Mode) m_state.requestRedraw();
}

} // namespace zenpa::ui
