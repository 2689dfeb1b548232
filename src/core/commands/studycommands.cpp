#include "core/commands/studycommands.h"

#include "core/commands/korastate.h"
#include "core/engine/sweeps.h"

namespace kora {

bool ChartSweep(int index, KoraState& s, Messenger& messenger) {
    return ChartSweep(index, s.project, s.work, s.plan, s.curves, messenger);
}

bool DoParametricPartial(KoraState& s, const std::string& folder, Messenger& messenger,
                         StudyOutcome* outcome) {
    return DoParametricPartial(s.project, s.work, s.plan, s.curves, folder, messenger, outcome);
}

bool DoParametricSolid(KoraState& s, const std::string& folder, Messenger& messenger,
                       StudyOutcome* outcome) {
    return DoParametricSolid(s.project, s.work, s.plan, s.curves, folder, messenger, outcome);
}

} // namespace kora
