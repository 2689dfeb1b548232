#include "core/commands/studycommands.h"

#include "core/commands/korastate.h"
#include "core/engine/sweeps.h"

namespace kora {

bool ChartSweep(int index, KoraState& s, Messenger& messenger) {
    return ChartSweep(index, s.project, s.work, s.plan, s.curves, messenger);
}

bool DoParametricPartial(KoraState& s, const std::string& folder, Messenger& messenger,
                         std::string* writtenPath) {
    return DoParametricPartial(s.project, s.work, s.plan, s.curves, folder, messenger, writtenPath);
}

bool DoParametricSolid(KoraState& s, const std::string& folder, Messenger& messenger,
                       std::string* writtenPath) {
    return DoParametricSolid(s.project, s.work, s.plan, s.curves, folder, messenger, writtenPath);
}

} // namespace kora
