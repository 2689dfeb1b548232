#pragma once

namespace kora::gui {

// Who asked for a plan: the parameters dialog (its own fields, no results yet) or the results
// viewer (the project as calculated, with strengths and capacities to label).
enum class PlanSource { ParametersDialog = 1, Results = 2 };

// The display state of one plan window: where it was opened from (PlanSource, and
// PlanFromResults 1 when the results viewer asked) and what its pillar labels show
// (PlanLabelMode 1 dimensions, 2 unit pillar strength, 3 the same (R), 4 load bearing capacity,
// 5 the same (R)).
struct PlanViewState {
    PlanSource Source = PlanSource::ParametersDialog;
    int PlanFromResults = 0;
    int PlanLabelMode = 1;

    static PlanViewState openedFrom(PlanSource source) {
        return {source, source == PlanSource::Results ? 1 : 0, 1};
    }
};

} // namespace kora::gui
