#pragma once

#include "core/engine/sweeps.h"

#include <string>

namespace kora {

struct KoraState;
class Messenger;

// The chart sweep and the parametric studies on the state's project, working set, plan geometry
// and chart curves (see core/engine/sweeps.h).
bool ChartSweep(int index, KoraState& state, Messenger& messenger);
bool DoParametricPartial(KoraState& state, const std::string& folder, Messenger& messenger,
                         StudyOutcome* outcome = nullptr);
bool DoParametricSolid(KoraState& state, const std::string& folder, Messenger& messenger,
                       StudyOutcome* outcome = nullptr);

} // namespace kora
