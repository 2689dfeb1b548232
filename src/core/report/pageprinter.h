#pragma once

#include "core/base/fontchoice.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kora {

// A printed page as the report printer sees it: positions and sizes in twips (1440 per inch),
// measured from the top-left corner of the page's printable area, y growing downwards; a text is
// drawn with its top-left corner at the given point. The GUI implements it over a QPrinter; tests
// record what is drawn. Failures (a printer that went away) are thrown as KoraError 482..484.
class PageSink {
public:
    virtual ~PageSink() = default;

    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    // Font families the printer offers, for PickPrinterFont.
    virtual std::vector<std::string> fontNames() const = 0;
    virtual void setFont(const std::string& name, double points, bool bold) = 0;

    // Extent of a text in the current font; the height of any text, the empty one included, is
    // the line height.
    virtual double textWidth(std::string_view text) const = 0;
    virtual double textHeight(std::string_view text) const = 0;

    virtual void drawText(double x, double y, std::string_view text) = 0;
    virtual void newPage() = 0;
    // Ends the job: the printer outputs the pages.
    virtual void end() = 0;
};

// Date and time texts of a print job's page headers.
struct PrintStamp {
    std::string date; // "m/d/yyyy"
    std::string time;
};
using PrintClock = std::function<PrintStamp()>;

// "m/d/yyyy" (12/6/2024) and the short 24-hour time "hh:mm" (09:05).
std::string PrintDateText(int year, int month, int day);
std::string PrintTimeText(int hour, int minute);

// The local date and time now.
PrintStamp CurrentPrintStamp();

// What PagePrinter::PrintText does, numbered as the print modes of the program.
enum class PrintMode {
    Line = 0,            // print one line and break the page below the bottom limit
    StartJob = 1,        // printer font, date, time, page 1 and its header
    NewPage = 2,         // new page with header
    Text = 3,            // a multi-line text, line by line as Line
    EndJob = 4,          // the printer outputs the pages
    NewPageNoHeader = 8, // new page without header
};

// Prints report text line by line onto numbered pages with a header line, the way every print
// command of the program does. One PagePrinter drives one sink; the date, the time and the page
// counter belong to the job started by StartJob.
class PagePrinter {
public:
    // Twips positions of the page layout.
    static constexpr double LeftMargin = 1152;       // x of every body line
    static constexpr double HeaderLeft = 576;        // x of the header text
    static constexpr double BodyTop = 1152;          // y of the first body line on a page
    static constexpr double BottomMargin = 1872;     // body ends below pageHeight - this
    static constexpr double PageNumberMargin = 1152; // "Page: n" ends this far (+ 1/5 of its
                                                     // width) before the right edge
    static constexpr double FontPoints = 9;

    explicit PagePrinter(PageSink& sink, PrintClock clock = CurrentPrintStamp);

    // Does what the mode says; the text is used by Line and Text only. A value that names no
    // mode does nothing.
    void PrintText(PrintMode mode, std::string_view text);

    std::int32_t page() const { return m_page; }
    double currentY() const { return m_y; }
    const std::string& fontName() const { return m_font; }

private:
    void printLine(std::string_view text);
    void nextPage(bool withHeader);
    void header();

    PageSink& m_sink;
    PrintClock m_clock;
    std::string m_font;
    PrintStamp m_stamp;
    std::int32_t m_page = 0;
    double m_y = 0;
};

// Prints a set of report pages as one job: StartJob, Text and EndJob.
void PrintPages(PagePrinter& printer, std::string_view text);

} // namespace kora
