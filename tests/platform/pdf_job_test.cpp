// The built-in printer's jobs: one PDF page of the paper asked for, written
// only when the job ends; an aborted or failed job leaves the folder as it was.

#include "platform/builtin_printer.h"
#include "support/test_printer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(BuiltinPrinterJob, EndWritesOnePageOfThePaperAsked) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("看板.pdf"));
    BuiltinPrinterSystem printer;
    ASSERT_TRUE(printer.setPaperSize(11)); // A5
    printer.setLandscape(true);
    QString error;
    auto job = printer.beginJob({QStringLiteral("ZENPA:看板.zps"), pdf}, error);
    ASSERT_TRUE(job) << error.toStdString();
    job->canvas().setFontHeight(200);
    job->canvas().textOut(100, 100, QStringLiteral("本日"));
    EXPECT_FALSE(QFile::exists(pdf)); // nothing before the job ends
    ASSERT_TRUE(job->end()) << job->error().toStdString();
    EXPECT_EQ(test::PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    EXPECT_EQ(test::PdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("ZENPA:看板.zps"));
    const QSizeF size = test::PdfPageSize(pdf);
    EXPECT_NEAR(size.width(), 595.3, 0.5); // A5 landscape, points
    EXPECT_NEAR(size.height(), 419.5, 0.5);
    EXPECT_EQ(test::PdfText(pdf), QStringLiteral("本日"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("看板.pdf")});
}

TEST(BuiltinPrinterJob, AbortedJobLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sign.pdf"));
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the previous sign");
    }
    BuiltinPrinterSystem printer;
    for (int way = 0; way < 2; ++way) {
        QString error;
        auto job = printer.beginJob({QStringLiteral("ZENPA:"), pdf}, error);
        ASSERT_TRUE(job) << error.toStdString();
        job->canvas().setFontHeight(100);
        job->canvas().textOut(10, 10, QStringLiteral("half"));
        if (way == 0) job->abort();
        job.reset(); // a job dropped without ending is aborted too
        EXPECT_EQ(readAll(pdf), QByteArray("the previous sign")) << way;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sign.pdf")})
            << way;
    }
}

TEST(BuiltinPrinterJob, UnwritableFolderIsAClearError) {
    BuiltinPrinterSystem printer;
    QString error;
    EXPECT_FALSE(
        printer.beginJob({QStringLiteral("ZENPA:"), QStringLiteral("/no/such/dir/x.pdf")}, error));
    EXPECT_TRUE(error.contains(QStringLiteral("/no/such/dir/x.pdf"))) << error.toStdString();
    error.clear();
    EXPECT_FALSE(printer.beginJob({QStringLiteral("ZENPA:"), QString()}, error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace zenpa
