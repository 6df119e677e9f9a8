#pragma once

// Printing: the document drawn as one page on a job of the current printer,
// with the range and page of the last preview run, progress before every
// line and a cancel looked at after the picture and after every line. A
// cancelled job is aborted, so nothing of it prints.

#include "core/interaction.h"
#include "core/page_renderer.h"

namespace zenpa {

inline const QString kNoTextMessage = QStringLiteral("テキストがありません！");
inline const QString kPrintFailedMessage = QStringLiteral("印刷できませんでした。");

// The progress window of a job, as the run drives it.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    // Before the job opens: shows the window ("未処理") and lets it paint;
    // the main window's menus, buttons and editor are disabled.
    virtual void begin() = 0;
    // Before a line is drawn: its "i / N 行" text and the bar's percentage.
    virtual void showLine(const QString& text, int percent) = 0;
    // Lets waiting events run once; true when the user asked to cancel.
    virtual void processEvents() = 0;
    virtual bool cancelRequested() const = 0;
    // After the job is closed or aborted, whatever happened: releases the
    // window and enables the controls again. Must not throw.
    virtual void end() = 0;
};

enum class PrintOutcome { NoText, Printed, Cancelled, Failed };

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::NoText;
    QString error; // why it failed, for the message
};

// "ZENPA:" and the file name without its folder; "ZENPA:" alone for none.
QString PrintJobTitle(const QString& openFileName);
// Label2 before line i of n: "3 / 5 行".
QString PrintLineText(int line, int count);
// The bar before line i of n: Round(i / n × 100).
int PrintPercent(int line, int count);

// Prints the document on the current printer with the job's title and, for
// the built-in printer, its output file. No job is opened without text. The
// preview is asked to redraw at the end.
PrintResult PrintDocument(AppState& state, PageDecorations& decorations, PrintProgress& progress,
                          const PrintJobRequest& request);

// The print command: the warning for an empty editor; for the built-in
// printer the question where the PDF goes (a cancel there prints nothing);
// the run; a failure reported once the job is closed and the window gone.
void RunPrintCommand(AppState& state, PageDecorations& decorations, PrintProgress& progress,
                     Interaction& interaction);

} // namespace zenpa
