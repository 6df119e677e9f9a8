#pragma once

// The file commands on a started program, answered by a script; the window's
// side (file-name panel, text page, wait cursor, caret) is recorded.

#include "core/format_fields.h"
#include "files/file_commands.h"
#include "files_fixture.h"
#include "support/scripted_interaction.h"

#include <functional>
#include <ostream>
#include <string>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace zenpa::test {

// The whole state a command may change, as text: every setting, the
// registered fonts, the line table, the text, the remembered names, the
// window and the printer; one line each, so that a failure shows the lines
// that differ.
inline std::string StateText(const AppState& s) {
    QStringList out;
    for (const FieldInfo& field : FormatFields())
        out << QLatin1String(field.name) + QLatin1Char('=') + FormatFieldText(s.doc.format, field);
    out << QStringLiteral("Fontuser=") + s.doc.format.Fontuser.Names.join(QLatin1Char('|'));
    const LineFontTable& table = s.doc.format.LineFont.Table;
    out << QStringLiteral("Rows=%1").arg(table.gridRowCount());
    for (int n = 1; n <= table.dataRowCount(); ++n) {
        QStringList cells;
        for (const QString& cell : table.row(n))
            cells << cell;
        out << QStringLiteral("Row%1=").arg(n) + cells.join(QLatin1Char('|'));
    }
    out << QStringLiteral("Text=") + s.doc.lines.join(QLatin1Char('\n'));
    out << QStringLiteral("Save=") + s.saveFileName << QStringLiteral("Open=") + s.openFileName;
    const WindowPlace& w = s.window;
    out << QStringLiteral("Window=%1,%2,%3,%4,%5")
               .arg(w.Left)
               .arg(w.Top)
               .arg(w.Width)
               .arg(w.Height)
               .arg(w.State);
    out << QStringLiteral("Printer=%1,%2,%3")
               .arg(s.printer().currentIndex())
               .arg(s.printer().landscape())
               .arg(s.printer().paperSize());
    out << QStringLiteral("EffectItems=%1").arg(s.effectItems);
    return out.join(QLatin1Char('\n')).toStdString();
}

inline void PutBytes(const QString& p, const QByteArray& bytes) {
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

class CommandsTest : public FilesTest {
protected:
    ScriptedInteraction answers;
    QString panel = QStringLiteral("(untouched)");
    int textPageShown = 0;
    int caretMoves = 0;
    int busy = 0;
    FileCommands commands{state(), answers, program.canvas, path(QStringLiteral("zenpa.ini")),
                          view()};

    FileView view() {
        FileView v;
        v.showFileName = [this](const QString& name) { panel = name; };
        v.showTextPage = [this] { ++textPageShown; };
        v.setBusy = [this](bool on) { busy += on ? 1 : -1; };
        v.caretToStart = [this] { ++caretMoves; };
        return v;
    }

    QString settingsFile() const { return path(QStringLiteral("zenpa.ini")); }

    // A document written by another program: its lines, and its settings as
    // `edit` leaves them.
    QString makeDocument(const QString& name, const QStringList& lines,
                         const std::function<void(Program&)>& edit = {}) {
        Program other;
        other.state.doc.lines = lines;
        if (edit) edit(other);
        const QString p = path(name);
        EXPECT_TRUE(other.write(p));
        return p;
    }

    // A hand-made file (UTF-8, as a user's editor would write it).
    QString writeText(const QString& text, const QString& name = QStringLiteral("hand.zps")) {
        const QString p = path(name);
        writeBytes(p, text.toUtf8());
        return p;
    }

    // The lines of a format file as a fresh program reads them.
    static QStringList linesOf(const QString& p) {
        Program reader;
        EXPECT_TRUE(reader.read(p));
        return reader.state.doc.lines;
    }

    // Whether the next file dialog gets `file`, and what it was asked.
    void chooseFile(const QString& file) { answers.files.push_back(file); }
    void answer(Answer a) { answers.answers.push_back(a); }
    QString lastMessage() const {
        return answers.messages.empty() ? QString() : answers.messages.back().text;
    }
    // The lines of the one box shown so far (a file's error box: the
    // message when there is one, the file, the system's description).
    QStringList onlyBox() const {
        EXPECT_EQ(answers.messages.size(), 1u);
        return lastMessage().split(QLatin1Char('\n'));
    }
};

} // namespace zenpa::test
