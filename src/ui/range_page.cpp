#include "range_page.h"

#include "clickable_label.h"
#include "core/line_layout.h"
#include "core/value_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zenpa::ui {

namespace {

struct EditSpec {
    const char* edit;
    const char* limit;
    const char16_t* caption;
};

constexpr EditSpec kEdits[] = {
    {"haniX", "LhaniX", u"左"},  {"haniY", "LhaniY", u"上"},   {"haniX2", "LhaniX2", u"右"},
    {"haniY2", "LhaniY2", u"下"}, {"haniw", "LhaniW", u"幅"}, {"haniH", "LhaniH", u"高さ"},
};

int& field(FormatRecord::HaniSection& h, int which) {
    int* fields[] = {&h.Left, &h.Top, &h.Right, &h.Bottom, &h.Width, &h.Height};
    return *fields[which];
}

const Limit& limitOf(const HaniLimits& l, int which) {
    const Limit* limits[] = {&l.left, &l.top, &l.right, &l.bottom, &l.width, &l.height};
    return *limits[which];
}

} // namespace

RangePage::RangePage(AppState& state, Canvas& printerCanvas, QWidget* parent)
    : QWidget(parent), m_state(state), m_printerCanvas(printerCanvas),
      m_mode(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("TS5"));

    auto* modeBox = new QGroupBox(QStringLiteral("範囲"), this);
    modeBox->setObjectName(QStringLiteral("hani"));
    m_modeBox = modeBox;
    auto* modeLayout = new QVBoxLayout(modeBox);
    const QStringList modes{QStringLiteral("中央"), QStringLiteral("用紙最大"),
                            QStringLiteral("余白指定"), QStringLiteral("サイズ指定"),
                            QStringLiteral("ポイント指定")};
    for (int i = 0; i < modes.size(); ++i) {
        auto* b = new QRadioButton(modes[i], modeBox);
        m_mode->addButton(b, i);
        modeLayout->addWidget(b);
    }

    m_marginBox = new DoubleClickGroup(QStringLiteral("余白"), this);
    m_marginBox->setObjectName(QStringLiteral("GBhani"));
    m_sizeBox = new DoubleClickGroup(QStringLiteral("サイズ"), this);
    m_sizeBox->setObjectName(QStringLiteral("GBsize"));
    auto* marginGrid = new QGridLayout(m_marginBox);
    auto* sizeGrid = new QGridLayout(m_sizeBox);
    for (int i = 0; i < EditCount; ++i) {
        QWidget* box = i < Width ? static_cast<QWidget*>(m_marginBox) : m_sizeBox;
        QGridLayout* grid = i < Width ? marginGrid : sizeGrid;
        const int row = i < Width ? i : i - Width;
        m_edits[i] = new QLineEdit(box);
        m_edits[i]->setObjectName(QLatin1String(kEdits[i].edit));
        m_edits[i]->setMaximumWidth(70);
        m_limits[i] = new QLabel(box);
        m_limits[i]->setObjectName(QLatin1String(kEdits[i].limit));
        grid->addWidget(new QLabel(QString::fromUtf16(kEdits[i].caption), box), row, 0);
        grid->addWidget(m_edits[i], row, 1);
        grid->addWidget(new QLabel(QStringLiteral("mm"), box), row, 2);
        grid->addWidget(m_limits[i], row, 3);
        connect(m_edits[i], &QLineEdit::textEdited, this, [this, i] { commitEdit(i); });
        connect(m_edits[i], &QLineEdit::returnPressed, this, [this, i] {
            commitEdit(i);
            m_state.requestRedraw();
            focusNextChild();
        });
    }
    m_center = new QCheckBox(QStringLiteral("用紙の中央に配置"), m_sizeBox);
    m_center->setObjectName(QStringLiteral("haniC"));
    sizeGrid->addWidget(m_center, 2, 0, 1, 4);

    auto* pointBox = new QGroupBox(QStringLiteral("ポイント"), this);
    auto* pointGrid = new QGridLayout(pointBox);
    m_point = new QSpinBox(pointBox);
    m_point->setObjectName(QStringLiteral("SEpoint"));
    m_point->setRange(1, 9999);
    m_point->setSingleStep(10);
    m_pointUnit = new QLabel(QStringLiteral("ポイント"), pointBox);
    m_pointUnit->setObjectName(QStringLiteral("Lpoint2"));
    m_reference = new QLabel(pointBox);
    m_reference->setObjectName(QStringLiteral("Lpoint"));
    m_height = new QLabel(pointBox);
    m_height->setObjectName(QStringLiteral("LpointH"));
    pointGrid->addWidget(m_point, 0, 0);
    pointGrid->addWidget(m_pointUnit, 0, 1);
    pointGrid->addWidget(m_height, 0, 2);
    pointGrid->addWidget(m_reference, 1, 0, 1, 3);

    auto* redraw = new QPushButton(QStringLiteral("再表示"), this);
    redraw->setObjectName(QStringLiteral("Button1"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(modeBox, 0, 0, 2, 1);
    layout->addWidget(m_marginBox, 0, 1);
    layout->addWidget(m_sizeBox, 1, 1);
    layout->addWidget(pointBox, 2, 0, 1, 2);
    layout->addWidget(redraw, 3, 1, Qt::AlignRight);
    layout->setRowStretch(4, 1);

    connect(m_mode, &QButtonGroup::idClicked, this, &RangePage::selectMode);
    connect(m_center, &QCheckBox::toggled, this, [this](bool on) {
        if (m_showing)
            return;
        m_state.doc.format.Hani.Center = on;
        if (m_state.doc.format.Hani.Hani == kRangeSize)
            m_state.requestRedraw();
    });
    connect(m_point, &QSpinBox::textChanged, this, [this](const QString& text) {
        if (m_showing)
            return;
        m_state.doc.format.Hani.Point = text;
        refreshPointLabels(m_state.doc.format.pointSize());
        m_state.requestRedraw();
    });
    connect(redraw, &QPushButton::clicked, this, [this] { m_state.requestRedraw(); });
    // Double clicks put the margins at their lower and the size at its upper limits.
    connect(m_marginBox, &DoubleClickGroup::doubleClicked, this, [this] {
        FormatRecord::HaniSection& h = m_state.doc.format.Hani;
        const HaniLimits& l = m_state.range.limits;
        h.Left = l.left.lower;
        h.Top = l.top.lower;
        h.Right = l.right.lower;
        h.Bottom = l.bottom.lower;
        showSettings();
        m_state.requestRedraw();
    });
    connect(m_sizeBox, &DoubleClickGroup::doubleClicked, this, [this] {
        FormatRecord::HaniSection& h = m_state.doc.format.Hani;
        h.Width = m_state.range.limits.width.upper;
        h.Height = m_state.range.limits.height.upper;
        h.Center = false;
        showSettings();
        m_state.requestRedraw();
    });

    m_state.addObserver(this);
    showSettings();
}

RangePage::~RangePage() { m_state.removeObserver(this); }

void RangePage::stateChanged(unsigned changes) {
    if (changes & kChangeFormat)
        showSettings();
}

void RangePage::commitEdit(int which) {
    // A text that is not a whole number takes the margin's lower or the
    // size's upper limit; the range computation clamps the rest.
    const Limit& l = limitOf(m_state.range.limits, which);
    const auto v = ParseIntText(m_edits[which]->text().trimmed());
    field(m_state.doc.format.Hani, which) = v ? *v : (which < Width ? l.lower : l.upper);
}

void RangePage::showSettings() {
    m_showing = true;
    FormatRecord::HaniSection& h = m_state.doc.format.Hani;
    if (QAbstractButton* b = m_mode->button(h.Hani))
        b->setChecked(true);
    for (int i = 0; i < EditCount; ++i) {
        const int v = field(h, i);
        // Leave an edit the user is typing in alone unless its value changed.
        const auto typed = ParseIntText(m_edits[i]->text().trimmed());
        if (!m_edits[i]->hasFocus() || !typed || *typed != v)
            m_edits[i]->setText(QString::number(v));
        const Limit& l = limitOf(m_state.range.limits, i);
        m_limits[i]->setText(i < Width ? MarginLimitLabel(l) : SizeLimitLabel(l));
    }
    m_center->setChecked(h.Center);
    if (m_point->text() != h.Point) {
        bool ok = false;
        const int v = h.Point.toInt(&ok);
        m_point->setValue(ok ? v : 1);
    }
    m_showing = false;
    enableForMode();
}

void RangePage::enableForMode() {
    const int mode = m_state.doc.format.Hani.Hani;
    for (int i = 0; i < EditCount; ++i) {
        const bool on = i < Width ? mode == kRangeMargins : mode == kRangeSize;
        m_edits[i]->setEnabled(on);
        m_limits[i]->setEnabled(on);
    }
    m_center->setEnabled(mode == kRangeSize);
    for (QWidget* w : {static_cast<QWidget*>(m_point), static_cast<QWidget*>(m_pointUnit),
                       static_cast<QWidget*>(m_reference), static_cast<QWidget*>(m_height)})
        w->setEnabled(mode == kRangePoint);
}

int RangePage::referenceSize() {
    const FormatRecord& f = m_state.doc.format;
    m_printerCanvas.setFontFace(f.Font.Name);
    m_printerCanvas.setFontStyle(f.Font.Style);
    m_printerCanvas.setFontResolution(m_state.range.page.PixY);
    LineLayout layout(m_printerCanvas, m_state.range.range,
                      static_cast<int>(m_state.doc.layoutLines().size()), f.Prop.BaiH);
    return ReferencePointSize(layout);
}

void RangePage::refreshPointLabels(int heightFor) {
    m_reference->setText(ReferenceSizeLabel(referenceSize()));
    m_height->setText(CharacterHeightLabel(m_printerCanvas, heightFor, m_state.range.page.PixY));
}

void RangePage::selectMode(int mode) {
    if (QAbstractButton* b = m_mode->button(mode))
        b->setChecked(true);
    m_state.doc.format.Hani.Hani = mode;
    enableForMode();
    if (mode == kRangeMargins)
        m_edits[Left]->setFocus();
    else if (mode == kRangeSize)
        m_edits[Width]->setFocus();
    else if (mode == kRangePoint) {
        const int n = referenceSize();
        m_reference->setText(ReferenceSizeLabel(n));
        m_height->setText(CharacterHeightLabel(m_printerCanvas, n, m_state.range.page.PixY));
        m_point->setFocus();
    }
    m_state.requestRedraw();
}

} // namespace zenpa::ui
