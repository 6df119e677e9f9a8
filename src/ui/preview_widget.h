#pragma once

// The preview of the sheet (PaintBox1) inside its panel (PanelL2). Every
// redraw request of the application state renders the whole page into an
// image of the box's size; painting the widget only shows that image.
// Requests are coalesced: the render runs once the event loop is reached,
// with the state after the last change.

#include "core/app_state.h"
#include "core/page_renderer.h"

#include <QImage>
#include <QWidget>

namespace zenpa {

class FontBackend;

class PreviewBox : public QWidget {
    Q_OBJECT
public:
    explicit PreviewBox(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};

class PreviewPanel : public QWidget, public AppObserver {
    Q_OBJECT
public:
    PreviewPanel(AppState& state, Canvas& printerCanvas, PageDecorations& decorations,
                 const FontBackend& fonts, QWidget* parent = nullptr);
    ~PreviewPanel() override;

    void stateChanged(unsigned changes) override;

    // Renders now if a request is pending (tests and commands that need the
    // picture at once).
    void flush();
    // Renders now, whatever is pending.
    void redrawNow();

    PreviewBox* box() const { return m_box; }
    int renderCount() const { return m_renders; }
    const RenderResult& lastResult() const { return m_last; }

Q_SIGNALS:
    // After every run that drew (labels and status bars refresh on it).
    void rendered();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void schedule();

    AppState& m_state;
    Canvas& m_printerCanvas;
    PageDecorations& m_decorations;
    const FontBackend& m_fonts;
    PreviewBox* m_box;
    bool m_pending = false;
    bool m_posted = false;
    int m_renders = 0;
    RenderResult m_last;
};

} // namespace zenpa
