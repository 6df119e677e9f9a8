#pragma once

// A started program for format-file tests: a printer list of three exact
// printers, the application state after the new-document reset, a measuring
// canvas with integer metrics and a temporary folder.

#include "core/app_state.h"
#include "core/fake_canvas.h"
#include "core/fixed_printer.h"
#include "core/reset.h"
#include "files/format_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zenpa::test {

// 600 dpi, A4-like: printable 4800 × 6800 of a 4960 × 7016 sheet.
inline PageFacts TestPage() {
    PageFacts f;
    f.page = PageGeometry{600, 600, 4800, 6800, 4960, 7016, 80, 108};
    return f;
}

class TestPrinters : public FixedPrinterSystem {
public:
    TestPrinters() : FixedPrinterSystem(TestPage(), QStringLiteral("Printer A")) {}
    QStringList printerNames() const override {
        return {QStringLiteral("Printer A"), QStringLiteral("Printer B"),
                QStringLiteral("Printer C")};
    }
    int currentIndex() const override { return m_index; }
    bool select(int index) override {
        if (index < 0 || index >= 3) return false;
        m_index = index;
        return true;
    }

private:
    int m_index = 0;
};

// A program as it stands after start-up, before any file is read.
struct Program {
    TestPrinters printers;
    AppState state{printers};
    FakeCanvas canvas;

    Program() { ResetDocument(state.doc, printers, state.panel, state.windowDpi, state.range); }
    FormatRecord& format() { return state.doc.format; }
    bool write(const QString& path) { return WriteFormatFile(state, canvas, path); }
    bool read(const QString& path, ReadMode mode = ModeOpen) {
        return ReadFormatFile(state, path, mode);
    }
};

class FilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    Program program;

    QString path(const QString& name) const { return dir.filePath(name); }
    FormatRecord& format() { return program.format(); }
    AppState& state() { return program.state; }

    // Writes a hand-made file (UTF-8, as a user's editor would) and reads it.
    bool readText(const QString& text, ReadMode mode = ModeOpen) {
        const QString p = path(QStringLiteral("hand.zps"));
        writeBytes(p, text.toUtf8());
        return program.read(p, mode);
    }

    static void writeBytes(const QString& p, const QByteArray& bytes) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    static QByteArray readBytes(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace zenpa::test
