#pragma once

#include "report_page.h"

#include <optional>

namespace report {

// Writes the card as a one-page A4 PDF at `path`, text as text; the reason when the file
// cannot be written.
std::optional<QString> WriteReportPdf(const velkor::SectionCard& card, const ReportHeading& heading,
                                      const QString& path);

} // namespace report
