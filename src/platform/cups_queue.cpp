#include "cups_queue.h"

#include <cups/cups.h>

#include <vector>

namespace zenpa {

int CupsDefaultResolution(const QString& queue) {
    const QByteArray name = queue.toLocal8Bit();
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    int dpi = 0;
    // A queue name may carry an instance ("queue/instance"); the queue is what prints.
    const QByteArray base = name.split('/').value(0);
    cups_dest_t* dest = cupsGetDest(base.constData(), nullptr, count, dests);
    if (dest) {
        if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
            ipp_attribute_t* attr =
                cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
            if (attr && ippGetValueTag(attr) == IPP_TAG_RESOLUTION) {
                int y = 0;
                ipp_res_t units = IPP_RES_PER_INCH;
                ippGetResolution(attr, 0, &y, &units);
                dpi = units == IPP_RES_PER_CM ? static_cast<int>(y * 2.54 + 0.5) : y;
            }
            cupsFreeDestInfo(info);
        }
    }
    cupsFreeDests(count, dests);
    return dpi > 0 ? dpi : 0;
}

int CupsPrintPdf(const QString& queue, const QString& pdfPath, const QString& title,
                 const CupsOptions& options, QString& error) {
    std::vector<cups_option_t> opts;
    opts.reserve(static_cast<std::size_t>(options.size()));
    for (const auto& [name, value] : options)
        opts.push_back(cups_option_t{const_cast<char*>(name.constData()),
                                     const_cast<char*>(value.constData())});
    const QByteArray base = queue.toLocal8Bit().split('/').value(0);
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, base.constData(), pdfPath.toLocal8Bit().constData(),
                       title.toUtf8().constData(), static_cast<int>(opts.size()),
                       opts.empty() ? nullptr : opts.data());
    if (job <= 0) {
        error = QString::fromUtf8(cupsLastErrorString());
        return 0;
    }
    return job;
}

} // namespace zenpa
