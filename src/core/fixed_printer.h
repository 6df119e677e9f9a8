#pragma once

// A printer whose page facts are given as exact integers: the virtual page of
// the command line and the fake of the tests. Orientation swaps the axes of
// the page as given for portrait. It has no paper to print on: its jobs fail
// unless a test hands it a job factory.

#include "printer_system.h"

#include <functional>

namespace zenpa {

class FixedPrinterSystem : public PrinterSystem {
public:
    // portrait: the page in portrait orientation.
    explicit FixedPrinterSystem(PageFacts portrait, QString name = QStringLiteral("Fixed"));

    QStringList printerNames() const override { return {m_name}; }
    int currentIndex() const override { return 0; }
    bool select(int index) override { return index == 0; }
    bool landscape() const override { return m_landscape; }
    void setLandscape(bool landscape) override { m_landscape = landscape; }
    int paperSize() const override { return m_paper; }
    bool setPaperSize(int code) override;
    PageFacts pageFacts() const override;
    QStringList fontFaces() const override { return {}; }
    std::unique_ptr<PrintJob> beginJob(const PrintJobRequest& request, QString& error) override;

    // Replaces the page facts (portrait), as if the paper had changed.
    void setPortraitFacts(const PageFacts& facts) { m_portrait = facts; }
    // Facts reported whatever the orientation, exactly as given.
    void setFixedOrientationFacts(bool fixed) { m_fixed = fixed; }

    // Makes the jobs; a factory that returns null fails the job with `error`.
    using JobFactory = std::function<std::unique_ptr<PrintJob>(const PrintJobRequest&, QString&)>;
    void setJobFactory(JobFactory factory) { m_jobs = std::move(factory); }

private:
    PageFacts m_portrait;
    QString m_name;
    bool m_landscape = false;
    bool m_fixed = false;
    int m_paper = 9;
    JobFactory m_jobs;
};

} // namespace zenpa
