// The project file reader on any bytes. Whatever it reads, the record keeps its invariants; a
// project it accepts saves, reads back and saves again to the same bytes, and the three
// calculations and a chart sweep run on it without a fault.
#include "core/base/koraerror.h"
#include "core/commands/filecommands.h"
#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "core/commands/studycommands.h"
#include "core/project/description.h"
#include "core/project/projectfile.h"
#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace kora;
using fuzz::Check;

bool within(int value, int low, int high) {
    return value >= low && value <= high;
}

void checkRecord(const ProjectRecord& p) {
    Check(within(p.NumEntries, 1, 6), "NumEntries within 1..6");
    Check(within(p.UnitSystem, 0, 1), "UnitSystem within 0..1");
    Check(within(p.UseCMRR, 0, 1), "UseCMRR within 0..1");
    Check(within(p.ConfigMode, 0, 3), "ConfigMode within 0..3");
    Check(within(p.AdvGeometry, 0, 1), "AdvGeometry within 0..1");
}

// The bytes FileSave writes for the project.
std::string saved(ProjectRecord p) {
    p.ProjectDescription = NormalizeDescription(p.ProjectDescription);
    return ProjectFileText(p);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::SilentMessenger m;
    KoraState s;
    FileNew(s, m, true, true);
    bool read = false;
    try {
        read = ReadProjectText(s.project, bytes, m);
    } catch (const KoraError& e) {
        const int n = e.number();
        Check(n == err::InputPastEndOfFile || n == err::TypeMismatch ||
                  n == err::SubscriptOutOfRange || n == err::Overflow,
              "a damaged file ends in a reading error");
        Check(!e.where().empty(), "a reading error names its line");
    }
    checkRecord(s.project);
    if (!read) return 0;

    const std::string first = saved(s.project);
    KoraState again;
    FileNew(again, m, true, true);
    Check(ReadProjectText(again.project, first, m), "a saved project reads back");
    Check(saved(again.project) == first, "a project read back saves to the same bytes");

    s.project.ProjectEmpty = false;
    for (OutputCommand c :
         {OutputCommand::Standard, OutputCommand::Advanced, OutputCommand::Sizing}) {
        try {
            RunOutputCommand(c, s, m);
        } catch (const KoraError&) {
            // reported by the command handler
        }
    }
    ChartSweep(static_cast<int>(size % 4), s, m);
    return 0;
}
