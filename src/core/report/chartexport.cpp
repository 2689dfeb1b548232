#include "core/report/chartexport.h"

#include "core/base/koraerror.h"
#include "core/base/numberformat.h"
#include "core/base/textfilewriter.h"
#include "core/base/textutil.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace kora {

namespace {

constexpr const char* XHeading = "X-coord";

std::size_t longest(const std::vector<ChartSeries>& curves) {
    std::size_t n = 0;
    for (const ChartSeries& c : curves) n = std::max({n, c.x.size(), c.y.size()});
    return n;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvNumber(const std::vector<double>& values, std::size_t i) {
    if (i >= values.size() || !std::isfinite(values[i])) return {};
    return FormatGeneralDouble(values[i]);
}

} // namespace

std::string ChartCsvText(const std::vector<ChartSeries>& curves) {
    std::string text;
    for (std::size_t s = 0; s < curves.size(); ++s) {
        if (s > 0) text += ',';
        text += std::string(XHeading) + ',' + csvField(curves[s].label);
    }
    text += CRLF;
    const std::size_t rows = longest(curves);
    for (std::size_t p = 0; p < rows; ++p) {
        for (std::size_t s = 0; s < curves.size(); ++s) {
            if (s > 0) text += ',';
            text += csvNumber(curves[s].x, p) + ',' + csvNumber(curves[s].y, p);
        }
        text += CRLF;
    }
    return text;
}

void WriteChartCsv(const std::string& path, const std::vector<ChartSeries>& curves) {
    TextFileWriter file(path);
    file.write(ChartCsvText(curves));
    file.commit();
}

void WriteChartWorkbook(const std::string& path, const std::vector<ChartSeries>& curves) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path() && !fs::is_directory(target.parent_path(), ec))
        throw KoraError(err::PathNotFound, "Path not found", path);
    if (fs::exists(target, ec) && !fs::is_regular_file(target, ec))
        throw KoraError(err::PathFileAccessError, "Path/File access error", path);

    // The workbook is made beside the target and renamed over it once complete, so a failure
    // leaves neither a damaged file nor a replaced one.
    const std::string temp = path + ".part";
    lxw_workbook* book = workbook_new(temp.c_str());
    if (book == nullptr) throw KoraError(err::PathFileAccessError, "Path/File access error", path);
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    bool written = sheet != nullptr;
    const std::size_t rows = longest(curves);
    for (std::size_t s = 0; written && s < curves.size(); ++s) {
        const auto xColumn = static_cast<lxw_col_t>(2 * s);
        const lxw_col_t yColumn = xColumn + 1;
        written = worksheet_write_string(sheet, 0, xColumn, XHeading, nullptr) == LXW_NO_ERROR &&
                  worksheet_write_string(sheet, 0, yColumn, curves[s].label.c_str(), nullptr) ==
                      LXW_NO_ERROR;
        // Wide enough for the labels, so the sheet opens readable.
        worksheet_set_column(sheet, xColumn, xColumn, 10, nullptr);
        worksheet_set_column(sheet, yColumn, yColumn,
                             std::max<double>(12, static_cast<double>(curves[s].label.size()) + 2),
                             nullptr);
        for (std::size_t p = 0; written && p < rows; ++p) {
            const auto row = static_cast<lxw_row_t>(p + 1);
            const std::pair<const std::vector<double>*, lxw_col_t> cells[] = {
                {&curves[s].x, xColumn}, {&curves[s].y, yColumn}};
            for (const auto& [values, column] : cells)
                if (p < values->size() && std::isfinite((*values)[p]))
                    written = written && worksheet_write_number(sheet, row, column, (*values)[p],
                                                                nullptr) == LXW_NO_ERROR;
        }
    }
    // Closing writes the file; a folder that cannot be written shows only here.
    const lxw_error closed = workbook_close(book);
    if (written && closed == LXW_NO_ERROR) fs::rename(temp, target, ec);
    if (!written || closed != LXW_NO_ERROR || ec) {
        fs::remove(temp, ec);
        throw KoraError(err::PathFileAccessError, "Path/File access error", path);
    }
}

} // namespace kora
