#include "cli/commandline.h"

#include "cli/streammessenger.h"

#include "core/base/koraerror.h"
#include "core/base/numberformat.h"
#include "core/commands/filecommands.h"
#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "core/commands/studycommands.h"
#include "core/export/resultsexport.h"
#include "core/model/unitsystems.h"
#include "core/project/projectfile.h"
#include "core/project/unitconversion.h"
#include "core/report/buildstring.h"
#include "core/report/reportpdf.h"
#include "core/settings/recentfiles.h"
#include "core/settings/settingsfile.h"
#include "core/units/unitcalculator.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kora::cli {

namespace {

struct Options {
    std::string project;
    std::string mode = "standard";
    int page = -1;
    std::string settings;
    int index = 0;
    std::string study;
    std::string outputDir;
    std::string to;
    std::string output;
    std::string value;
    std::string unit;
    std::string format = "text";
    std::string pdf;
    std::string paper;
};

std::vector<std::string> outputCommandNames() {
    std::vector<std::string> names;
    for (const auto& n : OutputCommandNames) names.emplace_back(n.name);
    return names;
}

class Command {
public:
    Command(const Options& o, std::ostream& out, std::ostream& err)
        : m_o(o), m_out(out), m_err(err), m_messenger(err) {}

    int run(const CLI::App& app) {
        try {
            if (!loadSettings()) return ExitError;
            if (app.got_subcommand("report")) return report();
            if (app.got_subcommand("graph")) return graph();
            if (app.got_subcommand("study")) return study();
            if (app.got_subcommand("convert")) return convert();
            if (app.got_subcommand("resave")) return resave();
            if (app.got_subcommand("units")) return units();
            return ExitError;
        } catch (const KoraError& e) {
            HandleError(m_messenger, e);
            return ExitError;
        } catch (const std::exception& e) {
            m_err << "Error occurred: " << e.what() << '\n';
            return ExitError;
        }
    }

private:
    bool loadSettings() {
        if (m_o.settings.empty()) return true;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(m_o.settings, ec)) {
            m_err << "Settings file not found: " << m_o.settings << '\n';
            return false;
        }
        RecentFiles recent;
        ReadSettings(m_s.settings, recent, m_o.settings, settingsPart::Options, {}, {});
        return true;
    }

    // Opens PROJECT as File > Open does; the path stays as given, so the report shows it so.
    bool open() {
        m_s.project.ProjectPath = m_o.project;
        return FileOpen(m_s, m_messenger);
    }

    int report() {
        if (!open()) return ExitRefused;
        const OutputCommand command =
            OutputCommandNamed(m_o.mode).value_or(OutputCommand::Standard);
        if (!RunOutputCommand(command, m_s, m_messenger)) return ExitRefused;
        const std::string pages = m_o.page < 0
                                      ? m_s.report.allPages()
                                      : m_s.report.OutBuf[static_cast<std::size_t>(m_o.page)];
        if (!m_o.pdf.empty()) {
            const Paper paper = PaperNamed(m_o.paper).value_or(LocalePaper());
            WriteReportPdf(m_o.pdf, pages, paper);
            return ExitDone;
        }
        const std::string text =
            m_o.format == "json"
                ? ReportJson(command, m_s.project, m_s.work, ReportOptions::from(m_s.settings))
                : pages;
        m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
        m_out.flush();
        return ExitDone;
    }

    int graph() {
        if (!open()) return ExitRefused;
        GraphCurves& c = m_s.curves;
        if (!ChartSweep(m_o.index, m_s, m_messenger)) return ExitRefused;
        if (m_o.format != "text") {
            m_out << (m_o.format == "csv" ? GraphCsv(c, m_o.index, m_s.project)
                                          : GraphJson(c, m_o.index, m_s.project));
            m_out.flush();
            return ExitDone;
        }
        std::string text;
        for (int p = 1; p <= c.NumGraphPoints; ++p) {
            text += FormatGeneral(c.CurvesClassic(0, p));
            for (int k = 1; k <= 5; ++k) text += '\t' + FormatGeneral(c.CurvesClassic(k, p));
            for (int k = 1; k <= 5; ++k) text += '\t' + FormatGeneral(c.CurvesR(k, p));
            text += '\n';
        }
        m_out << text;
        m_out.flush();
        return ExitDone;
    }

    int study() {
        if (!open()) return ExitRefused;
        StudyOutcome written;
        const bool done = m_o.study == "partial"
                              ? DoParametricPartial(m_s, m_o.outputDir, m_messenger, &written)
                              : DoParametricSolid(m_s, m_o.outputDir, m_messenger, &written);
        if (!done) return ExitRefused;
        if (!written.skipped.empty()) m_err << written.skipped << '\n';
        m_out << written.path << '\n';
        m_out.flush();
        return ExitDone;
    }

    int convert() {
        if (!open()) return ExitRefused;
        const int target = m_o.to == "metric" ? Metric : English;
        if (m_s.project.UnitSystem == target) {
            m_messenger.ShowMessage(std::string("The project is already in ") +
                                    (target == Metric ? "Metric" : "English") + " units");
            return ExitRefused;
        }
        ConvertProjectUnits(m_s.project, target);
        return saveAs();
    }

    int resave() {
        if (!open()) return ExitRefused;
        return saveAs();
    }

    // The unit calculator: VALUE in UNIT, then one line per unit of the same quantity.
    int units() {
        const std::optional<UnitRef> unit = FindUnit(m_o.unit);
        if (!unit) {
            m_err << "Unknown unit: " << m_o.unit << "\nUnits:";
            for (int q = 0; q < UnitQuantityCount; ++q)
                for (const char* u : UnitQuantityOf(static_cast<UnitQuantity>(q)).units)
                    m_err << " \"" << u << '"';
            m_err << '\n';
            return ExitError;
        }
        // A script is told about a mistyped number instead of getting zeros.
        if (!IsNumericText(m_o.value)) {
            m_err << "Not a number: " << m_o.value << '\n';
            return ExitError;
        }
        const auto& names = UnitQuantityOf(unit->quantity).units;
        const std::vector<std::string> values =
            ConvertUnitText(unit->quantity, unit->unit, m_o.value);
        for (std::size_t i = 0; i < values.size(); ++i)
            m_out << values[i] << ' ' << names[i] << '\n';
        m_out.flush();
        return ExitDone;
    }

    int saveAs() {
        m_s.project.ProjectPath = m_o.output;
        return FileSave(m_s.project, m_messenger) ? ExitDone : ExitRefused;
    }

    const Options& m_o;
    std::ostream& m_out;
    std::ostream& m_err;
    StreamMessenger m_messenger;
    KoraState m_s; // the one project a command works on, as the main window holds it
};

} // namespace

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    Options o;
    CLI::App app{"KORA: gate-entry pillar design for longwall mines, without the desktop program",
                 "kora-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", BuildString(), "Print the build string and exit");

    auto* report = app.add_subcommand(
        "report", "Print the report of a calculation (CR LF line ends); all pages without --page");
    report->add_option("PROJECT", o.project, "Project file")->required();
    report->add_option("--mode", o.mode, "Calculation (default standard)")
        ->check(CLI::IsMember(outputCommandNames()));
    report
        ->add_option("--page", o.page,
                     "Report page: 0 input listing, 1 stability factors or "
                     "sizing, 2 capacity, 3 design loads, 4 pillar loading")
        ->check(CLI::Range(0, 4));
    report->add_option("--settings", o.settings, "Settings file whose [KORAOptions] apply");
    auto* reportFormat =
        report->add_option("--format", o.format, "text (default): the report; json: its numbers")
            ->check(CLI::IsMember({"text", "json"}));
    auto* pdf = report->add_option("--pdf", o.pdf, "Write the report pages as a PDF file instead")
                    ->excludes(reportFormat);
    report->add_option("--paper", o.paper, "PDF paper (default: the locale's paper size)")
        ->check(CLI::IsMember({"letter", "a4"}, CLI::ignore_case))
        ->needs(pdf);

    auto* graph = app.add_subcommand(
        "graph", "Print the chart sweep: x, five Classic and five (R) stability factors per line");
    graph->add_option("PROJECT", o.project, "Project file")->required();
    graph
        ->add_option("--index", o.index,
                     "Swept quantity: 0 entry height, 1 depth of cover, 2 panel width, "
                     "3 crosscut spacing")
        ->required()
        ->check(CLI::Range(0, 3));
    graph->add_option("--settings", o.settings, "Settings file");
    graph->add_option("--format", o.format, "text (default, tab-separated), csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}));

    auto* study = app.add_subcommand(
        "study", "Write SF-width-Partial.txt or SF-width-Solid.txt and print its path");
    study->add_option("KIND", o.study, "partial or solid")
        ->required()
        ->check(CLI::IsMember({"partial", "solid"}));
    study->add_option("PROJECT", o.project, "Project file")->required();
    study->add_option("--output-dir", o.outputDir, "Folder of the study file (default: current)");

    auto* convert = app.add_subcommand(
        "convert", "Convert the project into the other unit system and save it as FILE");
    convert->add_option("PROJECT", o.project, "Project file")->required();
    convert->add_option("--to", o.to, "Target units")
        ->required()
        ->check(CLI::IsMember({"english", "metric"}));
    convert->add_option("--output", o.output, "File to write")->required();

    auto* resave = app.add_subcommand("resave", "Open the project and save it as FILE");
    resave->add_option("PROJECT", o.project, "Project file")->required();
    resave->add_option("--output", o.output, "File to write")->required();

    auto* units = app.add_subcommand(
        "units", "Convert VALUE given in UNIT into every unit of its quantity, one per line");
    units->add_option("VALUE", o.value, "The number to convert")->required();
    units->add_option("UNIT", o.unit, "Its unit, such as ft, tonsF, psi or MPa/m")->required();

    // A first word that names no command would otherwise be reported as a missing command.
    if (argc >= 2 && argv[1][0] != '-' &&
        app.get_subcommands([&](const CLI::App* sub) { return sub->get_name() == argv[1]; })
            .empty()) {
        err << "Unknown command: " << argv[1] << "\nRun with --help for more information.\n";
        return ExitError;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return status == 0 ? ExitDone : ExitError;
    }
    return Command(o, out, err).run(app);
}

} // namespace kora::cli
