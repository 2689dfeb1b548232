#pragma once

#include "core/report/pageprinter.h"

#include <sstream>
#include <string>
#include <vector>

namespace kora::test {

// A page sink that records what a print job draws: letter paper, every character 100 twips wide,
// every line 200 twips high, so that the body ends below 15840 - 1872 = 13968 and a page holds
// the lines at 1152, 1352, ..., 13952 (65 lines). Every call is logged as a line, and the texts
// are kept page by page.
class RecordingPageSink : public PageSink {
public:
    struct Text {
        double x;
        std::string text;
        bool bold;
    };
    struct Job {
        std::ostringstream log;
        std::vector<std::vector<Text>> pages{1};
        std::string outputFile; // the printer's output file when the job started
    };

    explicit RecordingPageSink(Job& job) : m_job(job) {}

    double pageWidth() const override { return 12240; }
    double pageHeight() const override { return 15840; }
    std::vector<std::string> fontNames() const override {
        return {"DejaVu Sans", "courier new", "Arial"};
    }
    void setFont(const std::string& name, double size, bool bold) override {
        m_job.log << "font " << name << " " << size << (bold ? " bold\n" : "\n");
        m_bold = bold;
    }
    double textWidth(std::string_view t) const override { return 100.0 * double(t.size()); }
    double textHeight(std::string_view) const override { return 200; }
    void drawText(double x, double y, std::string_view t) override {
        m_job.log << x << "," << y << (m_bold ? " bold " : " ") << t << "\n";
        m_job.pages.back().push_back({x, std::string(t), m_bold});
    }
    void newPage() override {
        m_job.log << "new page\n";
        m_job.pages.emplace_back();
    }
    void end() override { m_job.log << "end\n"; }

private:
    Job& m_job;
    bool m_bold = false;
};

// The body lines of a recorded job (everything drawn at the left margin), in order.
inline std::vector<std::string> BodyLines(const RecordingPageSink::Job& job) {
    std::vector<std::string> lines;
    for (const auto& page : job.pages)
        for (const auto& t : page)
            if (t.x == PagePrinter::LeftMargin && !t.bold) lines.push_back(t.text);
    return lines;
}

} // namespace kora::test
