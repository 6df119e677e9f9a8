#include "preview_widget.h"

#include "platform/page_images.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace zenpa {

namespace {
// The box sits inside the panel's border.
constexpr int kBorder = 10;
} // namespace

PreviewBox::PreviewBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("PaintBox1"));
}

void PreviewBox::setImage(const QImage& image) {
    m_image = image;
    resize(image.size());
    update();
}

void PreviewBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void PreviewBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QWidget::mousePressEvent(event);
}

PreviewPanel::PreviewPanel(AppState& state, Canvas& printerCanvas, PageDecorations& decorations,
                           const FontBackend& fonts, QWidget* parent)
    : QWidget(parent), m_state(state), m_printerCanvas(printerCanvas), m_decorations(decorations),
      m_fonts(fonts), m_box(new PreviewBox(this)) {
    setObjectName(QStringLiteral("PanelL2"));
    m_box->move(kBorder, kBorder);
    connect(m_box, &PreviewBox::clicked, this, [this] { m_state.requestRedraw(); });
    m_state.addObserver(this);
}

PreviewPanel::~PreviewPanel() { m_state.removeObserver(this); }

void PreviewPanel::stateChanged(unsigned changes) {
    if (changes & kChangeRedraw)
        schedule();
}

void PreviewPanel::schedule() {
    m_pending = true;
    if (m_posted)
        return;
    m_posted = true;
    QTimer::singleShot(0, this, [this] {
        m_posted = false;
        flush();
    });
}

void PreviewPanel::flush() {
    if (m_pending)
        redrawNow();
}

void PreviewPanel::redrawNow() {
    m_pending = false;
    RenderedImage r = RenderPreviewImage(m_state, m_printerCanvas, m_decorations, m_fonts);
    if (!r.result.drawn)
        return;
    ++m_renders;
    m_last = r.result;
    m_box->setImage(r.image);
    if (r.result.centerSwitchedOff) {
        // Switching the centring off is a change like the user's: the range
        // controls show it and the page is drawn once more.
        m_state.notify(kChangeFormat);
        m_state.requestRedraw();
    }
    Q_EMIT rendered();
}

void PreviewPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_state.panel = PanelSize{width(), height()};
    m_state.requestRedraw();
}

} // namespace zenpa
