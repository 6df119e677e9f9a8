#include "file_drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace zenpa::ui {

namespace {

QStringList localFiles(const QMimeData* data) {
    QStringList files;
    if (data && data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile()) files.push_back(url.toLocalFile());
    return files;
}

} // namespace

FileDropFilter::FileDropFilter(QWidget& window, std::function<void(const QStringList&)> dropped)
    : QObject(&window), m_window(window), m_dropped(std::move(dropped)) {
    m_window.setAcceptDrops(true);
    // Drops go to the widget under the pointer; the application sees them first.
    qApp->installEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &m_window) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = localFiles(drop->mimeData());
    if (files.isEmpty()) return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // The drop completes first: a message box inside a drop would hold
        // the dragging application.
        QMetaObject::invokeMethod(
            this, [this, files] { m_dropped(files); }, Qt::QueuedConnection);
    }
    return true;
}

} // namespace zenpa::ui
