#pragma once

// The one application state: the document, the page and range of the last
// run, the remembered file names, the line buffer and the flags the commands
// share. Widgets show and edit it; they hold no settings of their own. It
// tells its observers what changed; a redraw request is one such change.

#include "document.h"
#include "print_range.h"
#include "printer_system.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace zenpa {

enum Change : unsigned {
    kChangeRedraw = 1u << 0,    // the preview must be drawn again
    kChangeText = 1u << 1,      // doc.lines changed by a command (not by the editor itself)
    kChangeFormat = 1u << 2,    // settings changed: controls must show them again
    kChangeFileNames = 1u << 3, // remembered save / open names
    kChangeWindow = 1u << 4,    // window place or state
    kChangePrinter = 1u << 5,   // printer, paper or orientation
    kChangeAll = 0xFFFFFFFFu,
};

class AppObserver {
public:
    virtual ~AppObserver() = default;
    virtual void stateChanged(unsigned changes) = 0;
};

// The main window's place on the screen and its state (1 normal,
// 2 minimized, 3 maximized), in screen pixels.
struct WindowPlace {
    int Left = 0;
    int Top = 0;
    int Width = 640;
    int Height = 480;
    int State = 1;
    bool operator==(const WindowPlace&) const = default;
};

class AppState {
public:
    explicit AppState(PrinterSystem& printer) : m_printer(&printer) {}
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    Document doc;

    PrinterSystem& printer() const { return *m_printer; }
    void setPrinterSystem(PrinterSystem& printer) { m_printer = &printer; }

    // The page and range of the last run of the range computation; printing
    // and the exports use these.
    PrintRangeState range;
    PanelSize panel;     // the panel that holds the preview
    int windowDpi = 96;  // the main window's pixels per inch

    QString saveFileName; // remembered save name (full path), empty for a new document
    QString openFileName; // remembered open name
    QString lineBuffer;   // the line copied by "line copy"

    WindowPlace window;
    QSize screenSize{1920, 1080}; // the screen the window is on
    QRect workArea{0, 0, 1920, 1040}; // the desktop area free of panels

    // Items of the two effect lists, "なし(普通)" .. "ｸﾞﾗﾃﾞｰｼｮﾝ": 4 while the
    // gradation effect is offered, 3 while it is withdrawn. The window starts
    // with all four, whatever Menu.Gradation says, until a file is read.
    int effectItems = 4;

    // Whether a face is in the font list (case-insensitive); null: every face is.
    std::function<bool(const QString&)> isListedFace;

    // Runs the range computation on the current printer's page. Returns true
    // when it switched Hani.Center off (a change like a user's: the caller
    // redraws once more).
    bool computePrintRange();

    // Redraws are requested by every editor after a change. While redraws are
    // suppressed a request does nothing; whoever lifts the suppression asks
    // again when the result should be shown.
    bool redrawSuppressed() const { return m_suppressed; }
    void requestRedraw();

    // Suppresses redraws for its lifetime and restores the previous state.
    class SuppressRedraw {
    public:
        explicit SuppressRedraw(AppState& s) : m_state(s), m_was(s.m_suppressed) {
            s.m_suppressed = true;
        }
        ~SuppressRedraw() { m_state.m_suppressed = m_was; }
        SuppressRedraw(const SuppressRedraw&) = delete;
        SuppressRedraw& operator=(const SuppressRedraw&) = delete;

    private:
        AppState& m_state;
        bool m_was;
    };

    void addObserver(AppObserver* o);
    void removeObserver(AppObserver* o);
    // Tells every observer; kChangeRedraw is dropped while redraws are suppressed.
    void notify(unsigned changes);

private:
    PrinterSystem* m_printer;
    bool m_suppressed = false;
    std::vector<AppObserver*> m_observers;
};

} // namespace zenpa
