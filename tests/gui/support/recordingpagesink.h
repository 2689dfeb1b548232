#pragma once

#include "core/report/pageprinter.h"

#include <string>
#include <vector>

namespace kora::gui::test {

// A page sink that records what a print job draws, page by page: a letter-sized page with a
// fixed-pitch font of 9 points (120 twips per character, 180 per line).
class RecordingPageSink : public PageSink {
public:
    struct Text {
        double x;
        double y;
        std::string text;
        bool bold;
    };
    struct Job {
        std::vector<std::vector<Text>> pages{1};
        bool ended = false;
        std::string font;
        double points = 0;
        std::string outputFile; // the printer's output file when the job started
    };

    explicit RecordingPageSink(Job& job) : m_job(job) {}

    double pageWidth() const override { return 11520; }
    double pageHeight() const override { return 14400; }
    std::vector<std::string> fontNames() const override { return {"Arial", "Courier New"}; }
    void setFont(const std::string& name, double points, bool bold) override {
        m_job.font = name;
        m_job.points = points;
        m_bold = bold;
    }
    double textWidth(std::string_view text) const override { return 120.0 * text.size(); }
    double textHeight(std::string_view) const override { return 180; }
    void drawText(double x, double y, std::string_view text) override {
        m_job.pages.back().push_back({x, y, std::string(text), m_bold});
    }
    void newPage() override { m_job.pages.emplace_back(); }
    void end() override { m_job.ended = true; }

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

} // namespace kora::gui::test
