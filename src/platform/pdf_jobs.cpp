#include "pdf_jobs.h"

#include "painter_canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>

namespace zenpa {

namespace {

// A one-page PDF being drawn into a device; the subclasses decide where the
// bytes go when the page is finished.
class PdfPageJob : public PrintJob {
public:
    ~PdfPageJob() override = default;

    Canvas& canvas() override { return *m_canvas; }
    QString error() const override { return m_error; }

    bool end() override {
        if (m_finished) return m_error.isEmpty();
        m_finished = true;
        if (!m_painter.end()) {
            m_error = QStringLiteral("PDFのページを仕上げられませんでした。");
            discard();
            return false;
        }
        m_writer.reset();
        return handOver();
    }

    void abort() override {
        if (m_finished) return;
        m_finished = true;
        if (m_painter.isActive()) m_painter.end();
        m_writer.reset();
        discard();
    }

    // Opens the job's file and starts the page on it; false with `error` set.
    bool open(const PrintJobRequest& request, const QPageLayout& layout, int dpi,
              const FontBackend& fonts, QString& error) {
        if (!openFile(error)) return false;
        m_writer = std::make_unique<QPdfWriter>(&file());
        m_writer->setResolution(dpi);
        m_writer->setPageLayout(layout);
        m_writer->setTitle(request.title);
        m_writer->setCreator(QStringLiteral("ゼンパ"));
        if (!m_painter.begin(m_writer.get())) {
            error = QStringLiteral("PDFのページを始められませんでした。");
            return false;
        }
        m_canvas = std::make_unique<PainterCanvas>(m_painter, fonts);
        return true;
    }

protected:
    // Opens the file the page is written into; false with `error` set.
    virtual bool openFile(QString& error) = 0;
    virtual QIODevice& file() = 0;
    // Hands the finished bytes over; false with m_error set.
    virtual bool handOver() = 0;
    // Drops the bytes written so far.
    virtual void discard() = 0;

    // Subclasses abort in their destructor while their device still exists.
    void abortIfOpen() { abort(); }

    QString m_error;

private:
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    std::unique_ptr<PainterCanvas> m_canvas;
    bool m_finished = false;
};

class PdfFileJob : public PdfPageJob {
public:
    explicit PdfFileJob(const QString& path) : m_file(path) {}
    ~PdfFileJob() override { abortIfOpen(); }

protected:
    bool openFile(QString& error) override {
        if (m_file.open(QIODevice::WriteOnly)) return true;
        error = QStringLiteral("PDFファイル「%1」を作れません: %2")
                    .arg(QDir::toNativeSeparators(m_file.fileName()), m_file.errorString());
        return false;
    }
    QIODevice& file() override { return m_file; }
    bool handOver() override {
        if (m_file.commit()) return true;
        m_error = QStringLiteral("PDFファイル「%1」に書き込めません: %2")
                      .arg(QDir::toNativeSeparators(m_file.fileName()), m_file.errorString());
        return false;
    }
    void discard() override { m_file.cancelWriting(); }

private:
    QSaveFile m_file;
};

class CupsJob : public PdfPageJob {
public:
    CupsJob(QString queue, CupsOptions options, QString title)
        : m_queue(std::move(queue)), m_options(std::move(options)), m_title(std::move(title)),
          m_file(QDir(QDir::tempPath()).filePath(QStringLiteral("zenpa-print-XXXXXX.pdf"))) {}
    ~CupsJob() override { abortIfOpen(); }

protected:
    bool openFile(QString& error) override {
        if (m_file.open()) return true;
        error = QStringLiteral("印刷用の一時ファイルを作れません: %1").arg(m_file.errorString());
        return false;
    }
    QIODevice& file() override { return m_file; }
    bool handOver() override {
        if (!m_file.flush()) {
            m_error = QStringLiteral("印刷用の一時ファイルに書き込めません: %1")
                          .arg(m_file.errorString());
            return false;
        }
        m_file.close();
        QString reason;
        if (CupsPrintPdf(m_queue, m_file.fileName(), m_title, m_options, reason) > 0) return true;
        m_error =
            QStringLiteral("プリンター「%1」が印刷を受け付けませんでした: %2").arg(m_queue, reason);
        return false;
    }
    void discard() override { m_file.close(); }

private:
    QString m_queue;
    CupsOptions m_options;
    QString m_title;
    QTemporaryFile m_file; // removed with the job
};

} // namespace

std::unique_ptr<PrintJob> OpenPdfFileJob(const PrintJobRequest& request, const QPageLayout& layout,
                                         int dpi, const FontBackend& fonts, QString& error) {
    if (request.outputFile.isEmpty()) {
        error = QStringLiteral("PDFファイルの名前がありません。");
        return nullptr;
    }
    auto job = std::make_unique<PdfFileJob>(request.outputFile);
    if (!job->open(request, layout, dpi, fonts, error)) return nullptr;
    return job;
}

std::unique_ptr<PrintJob> OpenCupsJob(const PrintJobRequest& request, const QString& queue,
                                      const CupsOptions& options, const QPageLayout& layout,
                                      int dpi, const FontBackend& fonts, QString& error) {
    auto job = std::make_unique<CupsJob>(queue, options, request.title);
    if (!job->open(request, layout, dpi, fonts, error)) return nullptr;
    return job;
}

} // namespace zenpa
