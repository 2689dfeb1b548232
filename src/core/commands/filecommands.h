#pragma once

namespace kora {

struct KoraState;
class Messenger;

// File > New on the state's project: FileNew of the project file with the state's report and
// settings (see core/project/projectfile.h).
void FileNew(KoraState& state, Messenger& messenger, bool resetNameFlag, bool resetUnits);

// File > Open of the state's project path: FileOpen of the project file with the state's report
// and settings. The question about unsaved changes is the caller's.
bool FileOpen(KoraState& state, Messenger& messenger);

} // namespace kora
