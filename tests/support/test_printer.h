#pragma once

// The CUPS queue that scripts/test starts for the printing tests (a private
// cupsd with a cups-pdf queue writing into a folder of its own), and the
// poppler tools that read a printed PDF back.

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>

namespace zenpa::test {

struct ToolResult {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

inline ToolResult RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    ToolResult r;
    if (!p.waitForFinished(120000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// A field of pdfinfo ("Pages", "Page size", "Title"), trimmed.
inline QString PdfInfo(const QString& pdf, const QString& field) {
    const QString text = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}).out);
    const QRegularExpression re(
        QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(field)),
        QRegularExpression::MultilineOption);
    return re.match(text).captured(1).trimmed();
}

// The page size in points, as pdfinfo reports it (after the page's rotation).
inline QSizeF PdfPageSize(const QString& pdf) {
    const QRegularExpression re(QStringLiteral("^([0-9.]+) x ([0-9.]+) pts"));
    const auto m = re.match(PdfInfo(pdf, QStringLiteral("Page size")));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// The PDF's text without any white space.
inline QString PdfText(const QString& pdf) {
    QString text =
        QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out);
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

// The first page rendered in grey at the resolution, as pdftoppm draws it.
inline QImage PdfPage(const QString& pdf, int dpi, const QString& scratchDir) {
    const QString stem = QDir(scratchDir).filePath(QStringLiteral("page"));
    const ToolResult r =
        RunTool(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                 QStringLiteral("-singlefile"), pdf, stem});
    if (r.exitCode != 0) return {};
    return QImage(stem + QStringLiteral(".pgm"));
}

struct TestQueue {
    QString name;
    QString outDir; // where cups-pdf writes its files
};

// The queue of this test run. Without one the test fails, saying why: a
// printing test never passes without having printed.
inline std::optional<TestQueue> RequireTestQueue() {
    const QString name = qEnvironmentVariable("ZENPA_TEST_CUPS_QUEUE");
    const QString out = qEnvironmentVariable("ZENPA_TEST_CUPS_OUT");
    if (name.isEmpty() || out.isEmpty()) {
        const QString why = qEnvironmentVariable("ZENPA_TEST_CUPS_ERROR");
        ADD_FAILURE() << "no test printer: "
                      << (why.isEmpty() ? "run the tests with scripts/test, which starts a CUPS "
                                          "queue printing into PDF files"
                                        : why.toStdString());
        return std::nullopt;
    }
    return TestQueue{name, out};
}

inline QStringList QueueOutput(const TestQueue& q) {
    QStringList files;
    for (const QString& f : QDir(q.outDir).entryList({QStringLiteral("*.pdf")}, QDir::Files))
        files.push_back(QDir(q.outDir).filePath(f));
    return files;
}

// Empties the queue's output folder before a job.
inline void ClearQueueOutput(const TestQueue& q) {
    for (const QString& f : QueueOutput(q))
        QFile::remove(f);
}

// Jobs the queue has seen, finished ones included.
inline int QueueJobCount(const TestQueue& q) {
    const ToolResult r =
        RunTool(QStringLiteral("lpstat"),
                {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o"), q.name});
    return static_cast<int>(r.out.count('\n'));
}

// Waits until no job is pending on the queue, then returns its PDF files.
inline QStringList WaitForQueue(const TestQueue& q) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 60000) {
        const ToolResult r = RunTool(QStringLiteral("lpstat"), {QStringLiteral("-o"), q.name});
        if (r.exitCode == 0 && r.out.trimmed().isEmpty()) break;
        QThread::msleep(100);
    }
    return QueueOutput(q);
}

} // namespace zenpa::test
