#include "style_page.h"

#include "clickable_label.h"
#include "core/line_layout.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace zenpa::ui {

namespace {

QGroupBox* radioGroup(QWidget* parent, const char* name, const QString& title,
                      const QStringList& items, QButtonGroup* group) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        group->addButton(b, i);
        layout->addWidget(b);
    }
    return box;
}

QScrollBar* scaleBar(QWidget* parent, const char* name) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(kScaleMin, kScaleMax);
    bar->setPageStep(10);
    bar->setMinimumWidth(200);
    return bar;
}

} // namespace

StylePage::StylePage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_size(new QButtonGroup(this)),
      m_align(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("TS3"));
    m_sizeBox = radioGroup(this, "RGSIZE", QStringLiteral("文字の大きさ"),
                           {QStringLiteral("各行同じ"), QStringLiteral("各行個別")}, m_size);
    auto* alignBox = radioGroup(this, "RGSET", QStringLiteral("揃え"),
                                {QStringLiteral("左寄せ"), QStringLiteral("中央"),
                                 QStringLiteral("右寄せ")},
                                m_align);

    auto* scale = new QGroupBox(QStringLiteral("倍率"), this);
    auto* grid = new QGridLayout(scale);
    m_bai = scaleBar(scale, "cbai");
    m_bai->setStatusTip(QStringLiteral("行設定時は無効です。"));
    m_baiH = scaleBar(scale, "cbaiH");
    m_baiLabel = new ClickableLabel(scale);
    m_baiLabel->setObjectName(QStringLiteral("Lbai2"));
    m_baiHLabel = new ClickableLabel(scale);
    m_baiHLabel->setObjectName(QStringLiteral("LbaiH"));
    for (ClickableLabel* l : {m_baiLabel, m_baiHLabel}) {
        l->setMinimumWidth(48);
        l->setCursor(Qt::PointingHandCursor);
    }
    grid->addWidget(new QLabel(QStringLiteral("文字の大きさ"), scale), 0, 0);
    grid->addWidget(m_bai, 0, 1);
    grid->addWidget(m_baiLabel, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("上下の位置"), scale), 1, 0);
    grid->addWidget(m_baiH, 1, 1);
    grid->addWidget(m_baiHLabel, 1, 2);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_sizeBox);
    top->addWidget(alignBox);
    top->addStretch();
    layout->addLayout(top);
    layout->addWidget(scale);
    layout->addStretch();

    connect(m_size, &QButtonGroup::idClicked, this, &StylePage::selectSize);
    connect(m_align, &QButtonGroup::idClicked, this, &StylePage::selectAlign);
    connect(m_bai, &QScrollBar::valueChanged, this, [this](int v) {
        if (m_showing)
            return;
        m_state.doc.format.Prop.Bai = v;
        refreshLabels();
        m_state.requestRedraw();
    });
    connect(m_baiH, &QScrollBar::valueChanged, this, [this](int v) {
        if (m_showing)
            return;
        m_state.doc.format.Prop.BaiH = v;
        refreshLabels();
        m_state.requestRedraw();
    });
    // A click on a label puts its bar at 100%.
    connect(m_baiLabel, &ClickableLabel::clicked, this, [this] { m_bai->setValue(kScaleMax); });
    connect(m_baiHLabel, &ClickableLabel::clicked, this, [this] { m_baiH->setValue(kScaleMin); });

    m_state.addObserver(this);
    showSettings();
}

StylePage::~StylePage() { m_state.removeObserver(this); }

void StylePage::stateChanged(unsigned changes) {
    if (changes & kChangeFormat)
        showSettings();
}

void StylePage::showSettings() {
    m_showing = true;
    const FormatRecord::PropSection& p = m_state.doc.format.Prop;
    if (QAbstractButton* b = m_size->button(p.Size))
        b->setChecked(true);
    if (QAbstractButton* b = m_align->button(p.Set))
        b->setChecked(true);
    m_bai->setValue(p.Bai);
    m_baiH->setValue(p.BaiH);
    m_showing = false;
    refreshLabels();
}

void StylePage::refreshLabels() {
    m_baiLabel->setText(BaiLabel(m_state.doc.format.Prop.Bai, m_bai->maximum()));
    m_baiHLabel->setText(BaiHLabel(m_state.doc.format.Prop.BaiH, m_baiH->maximum()));
}

void StylePage::selectSize(int item) {
    if (QAbstractButton* b = m_size->button(item))
        b->setChecked(true);
    m_state.doc.format.Prop.Size = item;
    Q_EMIT sizeChanged(item);
    m_state.requestRedraw();
}

void StylePage::selectAlign(int item) {
    if (QAbstractButton* b = m_align->button(item))
        b->setChecked(true);
    m_state.doc.format.Prop.Set = item;
    Q_EMIT alignChanged(item);
    m_state.requestRedraw();
}

} // namespace zenpa::ui
