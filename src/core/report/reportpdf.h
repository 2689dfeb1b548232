#pragma once

#include "core/report/pageprinter.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kora {

// The papers a report is exported on.
enum class Paper { Letter, A4 };

// "letter" or "a4" in any letter case; none for any other name.
std::optional<Paper> PaperNamed(std::string_view name);

// The paper of a size in millimetres as the locale tables give it: Letter for 216 x 279, A4 for
// anything else.
Paper PaperOfSize(int widthMm, int heightMm);

// The paper of a locale name ("en_US.UTF-8", "fr_CA", "de_DE@euro"): Letter for the countries
// that use it (United States, Canada, Mexico, the Philippines and the other letter-paper
// countries of the Americas), A4 for every other name, "C" and "POSIX" included.
Paper PaperOfLocaleName(std::string_view name);

// The paper of the user's locale: the LC_PAPER size the C library reports for the locale that
// LC_ALL, LC_PAPER and LANG name; where the C library cannot tell (the locale is not installed),
// the paper of the locale name itself.
Paper LocalePaper();

// The report page printer's page in a PDF document of the given paper. The whole sheet is the
// printable area. Text is set in the PDF's built-in Courier (Courier-Bold for bold), 9 points,
// with the line spacing and ascent of Courier New, the face the report was laid out for, so the
// pages break where a printer breaks them. Characters outside the PDF's standard Latin set are
// printed as "?". Failures of the PDF library are raised as KoraError 57 "Device I/O error".
class PdfPageSink : public PageSink {
public:
    explicit PdfPageSink(Paper paper);
    ~PdfPageSink() override;
    PdfPageSink(const PdfPageSink&) = delete;
    PdfPageSink& operator=(const PdfPageSink&) = delete;

    double pageWidth() const override;
    double pageHeight() const override;
    std::vector<std::string> fontNames() const override;
    void setFont(const std::string& name, double points, bool bold) override;
    double textWidth(std::string_view text) const override;
    double textHeight(std::string_view text) const override;
    void drawText(double x, double y, std::string_view text) override;
    void newPage() override;
    void end() override;

    // The document's bytes, complete once end() has been called.
    const std::string& document() const { return m_document; }

private:
    struct Pdf;
    std::unique_ptr<Pdf> m_pdf;
    std::string m_document;
};

// Writes report text (pages joined, CR LF line ends) as a PDF laid out by the page printer as a
// print of it is: the header line with date, time and page number on every page, the same
// margins and page breaks. An existing file is replaced only once the new document is complete;
// file failures are raised as KoraError as TextFileWriter raises them. Returns the page count.
int WriteReportPdf(const std::string& path, std::string_view text, Paper paper,
                   const PrintClock& clock = CurrentPrintStamp);

} // namespace kora
