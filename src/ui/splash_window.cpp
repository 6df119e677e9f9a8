#include "splash_window.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace zenpa::ui {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 240;
// Where the desktop gives the main window no activation (no window
// manager), the splash must not stay on top of it for ever.
constexpr int kLongestStayMs = 1500;

} // namespace

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TForm3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    qApp->installEventFilter(this);
}

void SplashWindow::showNow() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
}

void SplashWindow::finishWhenActive() {
    QPointer<SplashWindow> self(this);
    QTimer::singleShot(kLongestStayMs, this, [self] {
        if (self) self->close();
    });
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched != this && isVisible()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow() && !qobject_cast<QDialog*>(widget)) {
            close();
            return false;
        }
    }
    // A start-up message must not hide behind the splash.
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched)) hide();
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A sky-blue card with a sheet of paper carrying the program's name in
    // large letters: what the program makes.
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(32, 96, 176));
    sky.setColorAt(1, QColor(8, 40, 96));
    p.fillRect(rect(), sky);

    const QRectF sheet(40, 28, 220, 140);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRect(sheet.translated(5, 5));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(200, 30, 30), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet.adjusted(10, 10, -10, -10));

    QFont big = font();
    big.setPixelSize(64);
    big.setBold(true);
    QPainterPath word;
    word.addText(0, 0, big, QStringLiteral("ゼンパ"));
    const QRectF bounds = word.boundingRect();
    const QRectF room = sheet.adjusted(20, 20, -20, -20);
    const qreal scale = std::min(room.width() / bounds.width(), room.height() / bounds.height());
    p.save();
    p.translate(room.center());
    p.scale(scale, scale);
    p.translate(-bounds.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawPath(word);
    p.restore();

    QFont small = font();
    small.setPixelSize(14);
    p.setFont(small);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 180, kWidth, 22), Qt::AlignCenter, QStringLiteral("Ver. 8.2"));
    p.drawText(QRectF(0, 204, kWidth, 22), Qt::AlignCenter, QStringLiteral("フリーウェア"));
}

} // namespace zenpa::ui
