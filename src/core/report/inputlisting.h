#pragma once

namespace kora {

struct ProjectRecord;
struct WorkingSet;
struct Settings;
struct ReportBuffer;

// Rebuilds page 0 of the report, the input listing: the module header (when PrintModuleHeader is
// 1), title, normalised description, geometry, crosscut spacing or the advanced geometry block,
// the default parameters and, after a pillar sizing run, the sizing parameters.
//
// `mode` is true when a calculation calls it: the advanced block then replaces the crosscut
// spacing exactly when the calculation used advanced geometry (AdvCalc). The Print command passes
// false: the crosscut spacing is always listed, followed by the advanced block when the project
// defines advanced geometry.
void LoadOutBuf0(bool mode, const ProjectRecord& project, const WorkingSet& work,
                 const Settings& settings, ReportBuffer& buffer);

} // namespace kora
