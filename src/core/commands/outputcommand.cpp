#include "core/commands/outputcommand.h"

#include "core/base/messenger.h"
#include "core/commands/korastate.h"
#include "core/report/inputlisting.h"

namespace kora {

bool RunOutputCommand(OutputCommand command, KoraState& s, Messenger& m) {
    ProjectRecord& p = s.project;
    if (p.ProjectEmpty) {
        m.ShowMessage(EmptyProjectMessage);
        return false;
    }
    s.report.LastPage = 4;
    CopyPlanGeometry(p, s.plan);

    switch (command) {
    case OutputCommand::Standard:
    case OutputCommand::Sizing:
        break;
    case OutputCommand::Advanced:
        if (p.AdvGeometry == 0) {
            m.ShowMessage(NoAdvancedGeometryMessage);
            return false;
        }
        break;
    default:
        return false;
    }
    if (!RunAnalysis(command, p, s.work, s.plan, s.report, ReportOptions::from(s.settings), m))
        return false;
    LoadOutBuf0(true, p, s.work, s.settings, s.report);
    return true;
}

std::string OutputCaptionSuffix(OutputCommand command) {
    switch (command) {
    case OutputCommand::Standard:
        return "Standard Geometry";
    case OutputCommand::Advanced:
        return "Advanced Geometry";
    case OutputCommand::Sizing:
        return "Pillar Sizing";
    default:
        return {};
    }
}

std::optional<OutputCommand> OutputCommandNamed(std::string_view name) {
    for (const auto& n : OutputCommandNames)
        if (name == n.name) return n.command;
    return std::nullopt;
}

} // namespace kora
