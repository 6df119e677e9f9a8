#include "format_only.h"

#include "core/reset.h"
#include "decor/line_table.h"
#include "file_commands.h"

#include <QFileInfo>

namespace zenpa {

namespace {

// One row per line with the main settings.
void rebuildLineTable(const QStringList& lines, FormatRecord& f) {
    LineFontTable& table = f.LineFont.Table;
    table.reset();
    const int count = static_cast<int>(lines.size());
    table.setGridRowCount(std::max(count + 1, 2));
    for (int n = 1; n <= count; ++n) {
        LineFontRow& row = table.row(n);
        row[kColText] = lines[n - 1];
        FillRowFromMain(row, f);
    }
    f.LineFont.Mode = false;
}

} // namespace

void ResetFormatOnly(AppState& state) {
    AppState::SuppressRedraw quiet(state);
    const FormatRecord before = state.doc.format;
    Document fresh;
    fresh.format = before;
    ResetDocument(fresh, state.printer(), state.panel, state.windowDpi, state.range);

    FormatRecord& f = state.doc.format;
    f = fresh.format;
    f.Hani.Point = before.Hani.Point;
    f.Font.OutLineColor = before.Font.OutLineColor;
    f.Font.Gradation1Color1 = before.Font.Gradation1Color1;
    f.Font.Gradation2Color1 = before.Font.Gradation2Color1;
    f.LogFont = before.LogFont;
    f.Kakudai = before.Kakudai;
    f.Font.ShadowColor = kFormatOnlyShadowColor;
    rebuildLineTable(state.doc.lines, f);
    state.notify(kChangeFormat | kChangePrinter);
}

void FileCommands::readFormatOnly() {
    {
        AppState::SuppressRedraw quiet(m_state);
        writeSnapshot();
        const StateSnapshot before(m_state);
        const QString remembered = m_state.openFileName;
        const std::optional<QString> file =
            askOpen(dialog(QStringLiteral("書式のみ読み込み"), kFormatFilterEntry,
                           QStringLiteral("zps"), QString()));
        if (file) {
            readFormat(*file, ModeFormatOnly, ResetFormatOnly, kReadFailedMessage, before);
            // The document keeps its name: the panel goes on showing it.
            showFileName(m_state.saveFileName);
            showTextPage();
        }
        m_state.openFileName = QFileInfo(remembered).fileName();
        m_state.notify(kChangeFileNames);
    }
    m_state.requestRedraw();
}

} // namespace zenpa
