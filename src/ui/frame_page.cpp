#include "frame_page.h"

#include "clickable_label.h"
#include "color_list.h"
#include "core/item_limits.h"
#include "core/line_layout.h"
#include "page_parts.h"
#include "spin_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QScrollBar>

#include <algorithm>

namespace zenpa::ui {

namespace {

constexpr int kSolidLine = 0;
constexpr int kDoubleLine = 5; // "子持ち線"

bool always(const FormatRecord&) {
    return true;
}
bool whileFrame(const FormatRecord& f) {
    return f.Waku.Waku;
}
bool whileFill(const FormatRecord& f) {
    return f.Waku.Brush;
}

const ColorRoleSpec kLineRole{[](FormatRecord& f) -> ColorChoice& { return f.Waku.PenColor; },
                              [](FormatRecord& f) -> ColorRef& { return f.Waku.Pcolor; },
                              whileFrame, whileFrame};
const ColorRoleSpec kFillRole{[](FormatRecord& f) -> ColorChoice& { return f.Waku.BrushColor; },
                              [](FormatRecord& f) -> ColorRef& { return f.Waku.Bcolor; }, whileFill,
                              whileFrame};
const ColorRoleSpec kBackgroundRole{[](FormatRecord& f) -> ColorChoice& { return f.BG.Color; },
                                    [](FormatRecord& f) -> ColorRef& { return f.BG.BGColor; },
                                    always, always};

// The eight patterns of the fill and the background, with the hint both lists carry.
QComboBox* patternList(QWidget* parent, const char* name) {
    QComboBox* list =
        ItemList(parent, name,
                 {QStringLiteral("ベタ"), QStringLiteral("右上斜線"), QStringLiteral("左上斜線"),
                  QStringLiteral("格子"), QStringLiteral("斜格子"), QStringLiteral("横線"),
                  QStringLiteral("縦線"), QStringLiteral("透過")});
    SetHint(list, QStringLiteral("模様の密度は印刷時と多少異なります。"));
    return list;
}

// A caption whose double click resets the control it names.
ClickableLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new ClickableLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

FramePage::FramePage(AppState& state, ColorChooser& chooser, QWidget* parent)
    : QWidget(parent), m_state(state), m_chooser(chooser) {
    setObjectName(QStringLiteral("TS4"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(createFrameGroup(), 0, 0, 2, 1);
    layout->addWidget(createFillGroup(), 0, 1);
    layout->addWidget(createBackgroundGroup(), 1, 1);
    layout->setRowStretch(2, 1);
    m_state.addObserver(this);
    showSettings();
}

FramePage::~FramePage() {
    m_state.removeObserver(this);
}

QWidget* FramePage::createFrameGroup() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    m_frame = new QCheckBox(QStringLiteral("囲み枠(&K)"), box);
    m_frame->setObjectName(QStringLiteral("Penline"));
    m_shape =
        ItemList(box, "waku",
                 {QStringLiteral("長方形"), QStringLiteral("正方形"), QStringLiteral("角丸長方形"),
                  QStringLiteral("角丸正方形"), QStringLiteral("楕円"), QStringLiteral("円")});
    m_penStyle = ItemList(box, "penstyle",
                          {QStringLiteral("実線"), QStringLiteral("破線"), QStringLiteral("点線"),
                           QStringLiteral("一点鎖線"), QStringLiteral("二点鎖線"),
                           QStringLiteral("子持ち線")});
    m_penColor = new ColorList(m_state, m_chooser, kLineRole, "pencolor", box);
    m_penWidth = new SpinEdit("penwidth", 1, 9999, box);
    m_size = new QScrollBar(Qt::Horizontal, box);
    m_size->setObjectName(QStringLiteral("wakuset"));
    m_size->setRange(kScaleMin, kScaleMax);
    m_size->setPageStep(10);
    m_size->setMinimumWidth(120);
    m_sizeLabel = new ClickableLabel(box);
    m_sizeLabel->setObjectName(QStringLiteral("Lwakuset2"));
    m_sizeLabel->setMinimumWidth(40);

    ClickableLabel* shapeLabel = caption(QStringLiteral("枠形(&Q)"), m_shape, box);
    ClickableLabel* styleLabel = caption(QStringLiteral("線種(&W)"), m_penStyle, box);
    ClickableLabel* colorLabel = caption(QStringLiteral("線色(&A)"), m_penColor, box);
    ClickableLabel* widthUnit = caption(QStringLiteral("×0.1mm"), m_penWidth, box);
    grid->addWidget(m_frame, 0, 0, 1, 3);
    grid->addWidget(shapeLabel, 1, 0);
    grid->addWidget(m_shape, 1, 1);
    grid->addWidget(styleLabel, 2, 0);
    grid->addWidget(m_penStyle, 2, 1);
    AddColorRow(grid, 3, colorLabel, m_penColor, "SBwakucolorset");
    grid->addWidget(new QLabel(QStringLiteral("線幅"), box), 4, 0);
    grid->addWidget(m_penWidth, 4, 1);
    grid->addWidget(widthUnit, 4, 2);
    grid->addWidget(new QLabel(QStringLiteral("大きさ"), box), 5, 0);
    grid->addWidget(m_size, 5, 1);
    grid->addWidget(m_sizeLabel, 5, 2);
    grid->setRowStretch(6, 1);

    connectSwitch(
        m_frame, [](FormatRecord& f) -> bool& { return f.Waku.Waku; }, m_shape);
    connectItems(
        m_shape, [](FormatRecord& f) -> int& { return f.Waku.Style; }, whileFrame);
    connect(m_penStyle, &QComboBox::activated, this, [this](int item) {
        FormatRecord& f = m_state.doc.format;
        f.Waku.PenStyle = item >= 0 ? item : kSolidLine;
        // Only the solid and the double line take a width; the others are drawn 1 pixel wide.
        if (f.Waku.PenStyle != kSolidLine && f.Waku.PenStyle != kDoubleLine) f.Waku.PenWidth = 1;
        showSettings();
        if (f.Waku.Waku) m_state.requestRedraw();
    });
    connect(m_penWidth, &SpinEdit::edited, this, &FramePage::takeWidth);
    connect(m_size, &QScrollBar::valueChanged, this, [this](int percent) {
        if (m_showing) return;
        m_state.doc.format.Waku.Wakuset = percent;
        if (!m_state.doc.format.Waku.Waku) return;
        refreshLabels();
        m_state.requestRedraw();
    });

    resetOnDoubleClick(
        shapeLabel, [](FormatRecord& f) -> int& { return f.Waku.Style; }, whileFrame);
    resetOnDoubleClick(
        styleLabel, [](FormatRecord& f) -> int& { return f.Waku.PenStyle; }, whileFrame);
    resetOnDoubleClick(
        colorLabel, [](FormatRecord& f) -> int& { return f.Waku.PenColor; }, whileFrame);
    connect(widthUnit, &ClickableLabel::doubleClicked, this, [this] { m_penWidth->setValue(1); });
    connect(m_sizeLabel, &ClickableLabel::doubleClicked, this,
            [this] { m_size->setValue(m_size->maximum()); });
    return box;
}

QWidget* FramePage::createFillGroup() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    m_fill = new QCheckBox(QStringLiteral("枠内のペイント(&B)"), box);
    m_fill->setObjectName(QStringLiteral("Penbrush"));
    m_brushStyle = patternList(box, "brushstyle");
    m_brushColor = new ColorList(m_state, m_chooser, kFillRole, "brushcolor", box);
    ClickableLabel* styleLabel = caption(QStringLiteral("枠内模様(&M)"), m_brushStyle, box);
    ClickableLabel* colorLabel = caption(QStringLiteral("枠内色(&N)"), m_brushColor, box);
    grid->addWidget(m_fill, 0, 0, 1, 3);
    grid->addWidget(styleLabel, 1, 0);
    grid->addWidget(m_brushStyle, 1, 1);
    AddColorRow(grid, 2, colorLabel, m_brushColor, "SBbrushcolorset");

    connectSwitch(
        m_fill, [](FormatRecord& f) -> bool& { return f.Waku.Brush; }, m_brushStyle);
    connectItems(
        m_brushStyle, [](FormatRecord& f) -> int& { return f.Waku.BrushStyle; }, whileFill);
    resetOnDoubleClick(
        styleLabel, [](FormatRecord& f) -> int& { return f.Waku.BrushStyle; }, whileFill);
    resetOnDoubleClick(
        colorLabel, [](FormatRecord& f) -> int& { return f.Waku.BrushColor; }, whileFill);
    return box;
}

QWidget* FramePage::createBackgroundGroup() {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    m_background = new QCheckBox(QStringLiteral("背景のペイント(&H)"), box);
    m_background->setObjectName(QStringLiteral("BG"));
    m_bgColor = new ColorList(m_state, m_chooser, kBackgroundRole, "BGcolor", box);
    m_bgStyle = patternList(box, "BGstyle");
    ClickableLabel* colorLabel = caption(QStringLiteral("背景色(&L)"), m_bgColor, box);
    ClickableLabel* styleLabel = caption(QStringLiteral("背景模様(&J)"), m_bgStyle, box);
    grid->addWidget(m_background, 0, 0, 1, 3);
    AddColorRow(grid, 1, colorLabel, m_bgColor, "SBbgcolorset");
    grid->addWidget(styleLabel, 2, 0);
    grid->addWidget(m_bgStyle, 2, 1);

    connectSwitch(
        m_background, [](FormatRecord& f) -> bool& { return f.BG.BG; }, m_bgColor);
    connect(m_bgStyle, &QComboBox::activated, this, &FramePage::takeBackgroundStyle);
    resetOnDoubleClick(
        colorLabel, [](FormatRecord& f) -> int& { return f.BG.Color; }, always);
    resetOnDoubleClick(
        styleLabel, [](FormatRecord& f) -> int& { return f.BG.Style; }, always);
    return box;
}

void FramePage::connectSwitch(QCheckBox* box, BoolField field, QWidget* next) {
    connect(box, &QCheckBox::clicked, this, [this, field, next](bool on) {
        field(m_state.doc.format) = on;
        if (on) next->setFocus();
        m_state.requestRedraw();
    });
}

void FramePage::connectItems(QComboBox* list, IntField field, Condition redraw) {
    connect(list, &QComboBox::activated, this, [this, field, redraw](int item) {
        FormatRecord& f = m_state.doc.format;
        field(f) = item >= 0 ? item : 0;
        showSettings();
        if (redraw(f)) m_state.requestRedraw();
    });
}

void FramePage::resetOnDoubleClick(ClickableLabel* label, IntField field, Condition redraw) {
    // The preview follows the reset when it shows what the control decides.
    connect(label, &ClickableLabel::doubleClicked, this, [this, field, redraw] {
        FormatRecord& f = m_state.doc.format;
        const bool changed = field(f) != 0;
        field(f) = 0;
        showSettings();
        if (changed && redraw(f)) m_state.requestRedraw();
    });
}

void FramePage::takeWidth(int tenths) {
    // A frame line is never wider than the smaller side of the print range in device pixels.
    const PrintRange& r = m_state.range.range;
    const int side = std::max(1, std::min(r.Px2 - r.Px, r.Py2 - r.Py));
    FormatRecord& f = m_state.doc.format;
    f.Waku.PenWidth = std::clamp(tenths, 1, std::max(1, side));
    if (f.Waku.PenWidth != tenths) m_penWidth->showValue(f.Waku.PenWidth);
    if (f.Waku.Waku) m_state.requestRedraw();
}

void FramePage::takeBackgroundStyle(int item) {
    // The pattern and the colour of the background share one reaction: with
    // "その他" showing, the colour dialog opens whichever of the two changed.
    FormatRecord& f = m_state.doc.format;
    f.BG.Style = item >= 0 ? item : 0;
    if (f.BG.Color == kNoItem) f.BG.Color = 0;
    showSettings();
    if (f.BG.Color == kOtherColor) m_bgColor->askCustomColor();
    m_state.requestRedraw();
}

void FramePage::stateChanged(unsigned changes) {
    if (changes & kChangeFormat) showSettings();
}

void FramePage::showSettings() {
    m_showing = true;
    const FormatRecord& f = m_state.doc.format;
    m_frame->setChecked(f.Waku.Waku);
    m_fill->setChecked(f.Waku.Brush);
    m_background->setChecked(f.BG.BG);
    const std::pair<QComboBox*, int> lists[] = {{m_shape, f.Waku.Style},
                                                {m_penStyle, f.Waku.PenStyle},
                                                {m_brushStyle, f.Waku.BrushStyle},
                                                {m_bgStyle, f.BG.Style}};
    for (const auto& [list, item] : lists) {
        const QSignalBlocker block(list);
        list->setCurrentIndex(ListIndex(item, list->count()));
    }
    for (ColorList* list : {m_penColor, m_brushColor, m_bgColor})
        list->showSettings();
    m_penWidth->showValue(f.Waku.PenWidth);
    m_size->setValue(f.Waku.Wakuset);
    m_showing = false;
    refreshLabels();
}

void FramePage::refreshLabels() {
    m_sizeLabel->setText(BaiLabel(m_state.doc.format.Waku.Wakuset, m_size->maximum()));
}

} // namespace zenpa::ui
