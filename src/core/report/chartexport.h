#pragma once

#include "core/model/chartparams.h"

#include <string>
#include <vector>

namespace kora {

// The export of a chart's curves, laid out as the spreadsheet export has always laid them out:
// curve s fills two columns, 2s - 1 and 2s (curve 1 in A and B, curve 2 in C and D, ...); row 1
// holds "X-coord" over the x values and the curve's label over its stability factors, and point p
// is row p + 1. Curves may differ in length; cells beyond a curve's end stay empty.

// The table as CSV text: comma-separated, numbers in their general form with "." as decimal
// point, labels quoted when they hold a comma or a quote, CR LF line ends.
std::string ChartCsvText(const std::vector<ChartSeries>& curves);

// Writes the CSV text, replacing an existing file only once the new one is complete. Throws
// KoraError (76, 70, 61, 75, ...) when the file cannot be written.
void WriteChartCsv(const std::string& path, const std::vector<ChartSeries>& curves);

// Writes the table as an .xlsx workbook with one sheet, numbers stored as numbers. A value that is
// not finite leaves its cell empty. Throws KoraError 75 "Path/File access error" (76 when the
// folder does not exist) when the workbook cannot be written; an existing file is replaced only
// by a complete workbook, and no partial file is left behind.
void WriteChartWorkbook(const std::string& path, const std::vector<ChartSeries>& curves);

} // namespace kora
