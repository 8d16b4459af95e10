#pragma once

#include <QString>
#include <string_view>

#include "core/FretTable.h"

namespace korvanel::test {

// Prints the report of `table` into the A4 PDF file `path` through the Qt
// line printer, as File > Print does once its dialog is confirmed, and ends
// the document. Throws ControlError when the document cannot be finished.
void PrintReportToPdf(FretTable& table, std::string_view decimalSeparator, const QString& path);

}  // namespace korvanel::test
