#include "core/commands/filecommands.h"

#include "core/commands/korastate.h"
#include "core/project/projectfile.h"

namespace kora {

// The results of the last calculation (a sizing run among them) belong to the old project: a
// new or opened project starts without them, so its input listing never shows another
// project's sizing.
void FileNew(KoraState& s, Messenger& messenger, bool resetNameFlag, bool resetUnits) {
    s.work = WorkingSet{};
    FileNew(s.project, s.report, s.settings, messenger, resetNameFlag, resetUnits);
}

bool FileOpen(KoraState& s, Messenger& messenger) {
    s.work = WorkingSet{};
    return FileOpen(s.project, s.report, s.settings, messenger);
}

} // namespace kora
