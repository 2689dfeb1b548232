#include "core/report/pageprinter.h"

#include "core/base/messenger.h"
#include "core/base/numberformat.h"

#include <ctime>

namespace kora {

std::string PrintDateText(int year, int month, int day) {
    return Format(month, "0") + "/" + Format(day, "0") + "/" + Format(year, "0000");
}

std::string PrintTimeText(int hour, int minute) {
    return Format(hour, "00") + ":" + Format(minute, "00");
}

PrintStamp CurrentPrintStamp() {
    const std::time_t now = std::time(nullptr);
    const std::tm* t = std::localtime(&now);
    if (t == nullptr) return {};
    return {PrintDateText(t->tm_year + 1900, t->tm_mon + 1, t->tm_mday),
            PrintTimeText(t->tm_hour, t->tm_min)};
}

PagePrinter::PagePrinter(PageSink& sink, PrintClock clock)
    : m_sink(sink), m_clock(std::move(clock)) {}

void PagePrinter::header() {
    m_sink.setFont(m_font, FontPoints, true);
    m_sink.drawText(HeaderLeft, m_y,
                    std::string(ProgramTitle) + ", " + m_stamp.date + ", " + m_stamp.time);
    const std::string pageText = "Page: " + Format(m_page, "0");
    const double x = m_sink.pageWidth() - PageNumberMargin - 1.2 * m_sink.textWidth(pageText);
    m_sink.drawText(x, m_y, pageText);
    m_y = BodyTop;
    m_sink.setFont(m_font, FontPoints, false);
}

void PagePrinter::nextPage(bool withHeader) {
    m_sink.newPage();
    m_y = 0;
    ++m_page;
    if (withHeader) header();
}

void PagePrinter::printLine(std::string_view text) {
    m_sink.drawText(LeftMargin, m_y, text);
    m_y += m_sink.textHeight(text);
    if (m_y > m_sink.pageHeight() - BottomMargin) nextPage(true);
}

void PagePrinter::PrintText(PrintMode mode, std::string_view text) {
    switch (mode) {
    case PrintMode::StartJob:
        m_font = PickPrinterFont(m_sink.fontNames());
        m_sink.setFont(m_font, FontPoints, false);
        m_stamp = m_clock ? m_clock() : PrintStamp{};
        m_page = 1;
        m_y = 0;
        header();
        break;
    case PrintMode::Line:
        printLine(text);
        break;
    case PrintMode::Text: {
        // Every CR LF-ended line; a last piece without a line end is printed as well rather than
        // lost.
        std::size_t start = 0;
        for (std::size_t pos = text.find("\r\n"); pos != std::string_view::npos;
             pos = text.find("\r\n", start)) {
            printLine(text.substr(start, pos - start));
            start = pos + 2;
        }
        if (start < text.size()) printLine(text.substr(start));
        break;
    }
    case PrintMode::NewPage:
        nextPage(true);
        break;
    case PrintMode::NewPageNoHeader:
        nextPage(false);
        break;
    case PrintMode::EndJob:
        m_sink.end();
        break;
    default:
        break;
    }
}

void PrintPages(PagePrinter& printer, std::string_view text) {
    printer.PrintText(PrintMode::StartJob, "");
    printer.PrintText(PrintMode::Text, text);
    printer.PrintText(PrintMode::EndJob, "");
}

} // namespace kora
