#include "core/report/reportpdf.h"

#include "core/base/koraerror.h"
#include "core/base/messenger.h"
#include "core/base/textfilewriter.h"
#include "core/base/textutil.h"
#include "core/report/buildstring.h"

#include <hpdf.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

namespace kora {

namespace {

constexpr double TwipsPerPoint = 20;

// Courier New's line spacing and ascent in ems (those of its metric twin Liberation Mono too):
// the report's lines are as far apart as on a printer, so its pages break at the same lines.
constexpr double LineSpacingEm = 2320.0 / 2048;
constexpr double AscentEm = 1705.0 / 2048;

// Characters of the Windows Latin set (the PDF's WinAnsiEncoding) between 0x80 and 0x9F.
constexpr std::array<std::pair<char32_t, unsigned char>, 27> WinAnsiExtras = {{
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
    {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
    {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
    {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
}};

char winAnsi(char32_t c) {
    if (c == '\t') return ' ';
    if (c < 0x20 || c == 0x7F) return '?';
    if (c < 0x7F || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (const auto& [code, byte] : WinAnsiExtras)
        if (code == c) return static_cast<char>(byte);
    return '?';
}

// Report text is UTF-8; a byte that does not start a valid sequence is taken as Latin-1, as the
// project reader takes it.
std::string toWinAnsi(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t extra = b >= 0xC2 && b <= 0xDF   ? 1
                                  : b >= 0xE0 && b <= 0xEF ? 2
                                  : b >= 0xF0 && b <= 0xF4 ? 3
                                                           : 0;
        char32_t c = b;
        std::size_t length = 1;
        if (extra > 0 && i + extra < text.size()) {
            char32_t decoded = b & (0x7Fu >> (extra + 1));
            bool valid = true;
            for (std::size_t k = 1; k <= extra && valid; ++k) {
                const auto t = static_cast<unsigned char>(text[i + k]);
                valid = (t & 0xC0) == 0x80;
                decoded = (decoded << 6) | (t & 0x3Fu);
            }
            if (valid) {
                c = decoded;
                length = extra + 1;
            }
        }
        out += winAnsi(c);
        i += length;
    }
    return out;
}

void onPdfError(HPDF_STATUS, HPDF_STATUS, void*) {
    // Every call's status is checked where it is made.
}

[[noreturn]] void pdfFailed() {
    throw KoraError(err::DeviceIOError, "Device I/O error");
}

void check(HPDF_STATUS status) {
    if (status != HPDF_OK) pdfFailed();
}

} // namespace

std::optional<Paper> PaperNamed(std::string_view name) {
    const std::string n = LowerCase(name);
    if (n == "letter") return Paper::Letter;
    if (n == "a4") return Paper::A4;
    return std::nullopt;
}

Paper PaperOfSize(int widthMm, int heightMm) {
    return widthMm == 216 && heightMm == 279 ? Paper::Letter : Paper::A4;
}

Paper PaperOfLocaleName(std::string_view name) {
    // The territory: the two letters after "_", before any ".codeset" or "@modifier".
    const auto underscore = name.find('_');
    if (underscore == std::string_view::npos || underscore + 3 > name.size()) return Paper::A4;
    const std::string_view territory = name.substr(underscore + 1, 2);
    static constexpr std::string_view LetterTerritories[] = {
        "US", "CA", "MX", "PH", "CL", "CO", "VE", "PR", "CR", "GT", "PA", "SV", "NI", "DO", "BZ"};
    for (std::string_view t : LetterTerritories)
        if (t == territory) return Paper::Letter;
    return Paper::A4;
}

Paper LocalePaper() {
#if defined(__GLIBC__)
    if (locale_t locale = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr))) {
        const auto width = static_cast<int>(
            reinterpret_cast<std::intptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, locale)));
        const auto height = static_cast<int>(
            reinterpret_cast<std::intptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, locale)));
        freelocale(locale);
        if (width > 0 && height > 0) return PaperOfSize(width, height);
    }
#endif
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return PaperOfLocaleName(value);
    }
    return Paper::A4;
}

struct PdfPageSink::Pdf {
    HPDF_Doc doc = nullptr;
    HPDF_Page page = nullptr;
    HPDF_Font regular = nullptr;
    HPDF_Font bold = nullptr;
    HPDF_Font font = nullptr;
    double points = 9;
    HPDF_PageSizes size = HPDF_PAGE_SIZE_LETTER;

    ~Pdf() {
        if (doc != nullptr) HPDF_Free(doc);
    }

    void addPage() {
        page = HPDF_AddPage(doc);
        if (page == nullptr) pdfFailed();
        check(HPDF_Page_SetSize(page, size, HPDF_PAGE_PORTRAIT));
    }
};

PdfPageSink::PdfPageSink(Paper paper) : m_pdf(std::make_unique<Pdf>()) {
    Pdf& p = *m_pdf;
    p.doc = HPDF_New(onPdfError, nullptr);
    if (p.doc == nullptr) pdfFailed();
    p.size = paper == Paper::Letter ? HPDF_PAGE_SIZE_LETTER : HPDF_PAGE_SIZE_A4;
    check(HPDF_SetCompressionMode(p.doc, HPDF_COMP_ALL));
    const std::string creator = std::string(ProgramTitle) + " " + BuildString();
    check(HPDF_SetInfoAttr(p.doc, HPDF_INFO_CREATOR, creator.c_str()));
    p.regular = HPDF_GetFont(p.doc, "Courier", "WinAnsiEncoding");
    p.bold = HPDF_GetFont(p.doc, "Courier-Bold", "WinAnsiEncoding");
    if (p.regular == nullptr || p.bold == nullptr) pdfFailed();
    p.font = p.regular;
    // The printer starts a job on its first page.
    p.addPage();
}

PdfPageSink::~PdfPageSink() = default;

double PdfPageSink::pageWidth() const {
    return HPDF_Page_GetWidth(m_pdf->page) * TwipsPerPoint;
}

double PdfPageSink::pageHeight() const {
    return HPDF_Page_GetHeight(m_pdf->page) * TwipsPerPoint;
}

std::vector<std::string> PdfPageSink::fontNames() const {
    return {"Courier"};
}

void PdfPageSink::setFont(const std::string&, double points, bool bold) {
    m_pdf->font = bold ? m_pdf->bold : m_pdf->regular;
    m_pdf->points = points;
}

double PdfPageSink::textWidth(std::string_view text) const {
    const std::string s = toWinAnsi(text);
    const HPDF_TextWidth w =
        HPDF_Font_TextWidth(m_pdf->font, reinterpret_cast<const HPDF_BYTE*>(s.data()),
                            static_cast<HPDF_UINT>(s.size()));
    return w.width / 1000.0 * m_pdf->points * TwipsPerPoint;
}

double PdfPageSink::textHeight(std::string_view) const {
    return LineSpacingEm * m_pdf->points * TwipsPerPoint;
}

void PdfPageSink::drawText(double x, double y, std::string_view text) {
    const Pdf& p = *m_pdf;
    const std::string s = toWinAnsi(text);
    const double baseline = HPDF_Page_GetHeight(p.page) - y / TwipsPerPoint - AscentEm * p.points;
    check(HPDF_Page_BeginText(p.page));
    check(HPDF_Page_SetFontAndSize(p.page, p.font, static_cast<HPDF_REAL>(p.points)));
    check(HPDF_Page_TextOut(p.page, static_cast<HPDF_REAL>(x / TwipsPerPoint),
                            static_cast<HPDF_REAL>(baseline), s.c_str()));
    check(HPDF_Page_EndText(p.page));
}

void PdfPageSink::newPage() {
    m_pdf->addPage();
}

void PdfPageSink::end() {
    HPDF_Doc doc = m_pdf->doc;
    check(HPDF_SaveToStream(doc));
    m_document.clear();
    m_document.reserve(HPDF_GetStreamSize(doc));
    std::array<HPDF_BYTE, 4096> buffer{};
    for (;;) {
        HPDF_UINT32 size = buffer.size();
        const HPDF_STATUS status = HPDF_ReadFromStream(doc, buffer.data(), &size);
        m_document.append(reinterpret_cast<const char*>(buffer.data()), size);
        if (status == HPDF_STREAM_EOF) break;
        check(status);
    }
}

int WriteReportPdf(const std::string& path, std::string_view text, Paper paper,
                   const PrintClock& clock) {
    PdfPageSink sink(paper);
    PagePrinter printer(sink, clock);
    PrintPages(printer, text);
    TextFileWriter file(path);
    file.write(sink.document());
    file.commit();
    return printer.page();
}

} // namespace kora
