#pragma once

// Files dropped anywhere on a window, on its editor too (which would
// otherwise insert the file's name as text). Other drags, such as text
// dragged within the editor, go on as before.

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

namespace zenpa::ui {

class FileDropFilter : public QObject {
public:
    // Lets `window` take drops and calls `dropped` with the local files of
    // each drop, once the drop itself has ended.
    FileDropFilter(QWidget& window, std::function<void(const QStringList&)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void(const QStringList&)> m_dropped;
};

} // namespace zenpa::ui
