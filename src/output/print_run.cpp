#include "print_run.h"

#include "core/units.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

namespace zenpa {

QString PrintJobTitle(const QString& openFileName) {
    return QStringLiteral("ZENPA:") + QFileInfo(openFileName).fileName();
}

QString PrintLineText(int line, int count) {
    return QStringLiteral("%1 / %2 行").arg(line).arg(count);
}

int PrintPercent(int line, int count) {
    return count > 0 ? Round(static_cast<double>(line) / count * 100) : 0;
}

namespace {

// Begins the progress and ends it on every way out, exceptions included:
// the window never stays, the controls never stay disabled.
class ProgressScope {
public:
    explicit ProgressScope(PrintProgress& p) : m_progress(p) {
        try {
            m_progress.begin();
        } catch (...) {
            m_progress.end(); // whatever begin() managed to do is undone
            throw;
        }
    }
    ~ProgressScope() { end(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void end() {
        if (m_open) {
            m_open = false;
            m_progress.end();
        }
    }

private:
    PrintProgress& m_progress;
    bool m_open = true;
};

// Draws the page on the job; the job is still open afterwards.
RenderResult drawPage(AppState& state, PageDecorations& decorations, PrintProgress& progress,
                      PrintJob& job) {
    const PageGeometry& page = state.range.page;
    RenderTarget target =
        RenderTarget::Device(job.canvas(), TargetKind::Printer, page.Width, page.Height);
    const auto goOn = [&progress] {
        progress.processEvents();
        return !progress.cancelRequested();
    };
    target.pictureDone = goOn;
    target.lineStarting = [&progress](int line, int count) {
        progress.showLine(PrintLineText(line, count), PrintPercent(line, count));
    };
    target.lineDone = [&goOn](int, int) { return goOn(); };
    return RenderPage(state, job.canvas(), target, decorations);
}

} // namespace

PrintResult PrintDocument(AppState& state, PageDecorations& decorations, PrintProgress& progress,
                          const PrintJobRequest& request) {
    PrintResult result;
    if (state.doc.lines.isEmpty()) return result;
    {
        ProgressScope scope(progress);
        std::unique_ptr<PrintJob> job;
        bool closed = false;
        try {
            QString error;
            job = state.printer().beginJob(request, error);
            if (!job) {
                result = {PrintOutcome::Failed, error};
            } else if (drawPage(state, decorations, progress, *job).cancelled) {
                closed = true;
                job->abort();
                result.outcome = PrintOutcome::Cancelled;
            } else {
                closed = true;
                result = job->end() ? PrintResult{PrintOutcome::Printed, {}}
                                    : PrintResult{PrintOutcome::Failed, job->error()};
            }
        } catch (const std::exception& e) {
            result = {PrintOutcome::Failed, QString::fromLocal8Bit(e.what())};
        } catch (...) {
            result = {PrintOutcome::Failed, QStringLiteral("原因の分からない障害です。")};
        }
        // A job left open by a failure is aborted before the window goes.
        if (job && !closed) job->abort();
        job.reset();
    }
    state.requestRedraw();
    return result;
}

void RunPrintCommand(AppState& state, PageDecorations& decorations, PrintProgress& progress,
                     Interaction& interaction) {
    if (state.doc.lines.isEmpty()) {
        interaction.warn(kNoTextMessage);
        return;
    }
    QString output;
    if (state.printer().currentIsBuiltin()) {
        const QString document =
            state.saveFileName.isEmpty() ? state.openFileName : state.saveFileName;
        const QFileInfo info(document);
        FileDialogSpec spec;
        spec.title = QStringLiteral("PDFファイルに印刷");
        spec.filter = QStringLiteral("PDF (*.pdf)");
        spec.defaultSuffix = QStringLiteral("pdf");
        spec.directory = document.isEmpty() ? QString() : info.absolutePath();
        spec.fileName = (document.isEmpty() ? QStringLiteral("ZENPA") : info.completeBaseName()) +
                        QStringLiteral(".pdf");
        const std::optional<QString> chosen = interaction.saveFile(spec);
        if (!chosen) return;
        output = *chosen;
    }
    const PrintResult result =
        PrintDocument(state, decorations, progress, {PrintJobTitle(state.openFileName), output});
    if (result.outcome == PrintOutcome::Failed)
        interaction.error(kPrintFailedMessage + QLatin1Char('\n') + result.error);
}

} // namespace zenpa
