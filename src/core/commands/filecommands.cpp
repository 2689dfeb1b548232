#include "core/commands/filecommands.h"

#include "core/commands/korastate.h"
#include "core/project/projectfile.h"

namespace kora {

void FileNew(KoraState& s, Messenger& messenger, bool resetNameFlag, bool resetUnits) {
    FileNew(s.project, s.report, s.settings, messenger, resetNameFlag, resetUnits);
}

bool FileOpen(KoraState& s, Messenger& messenger) {
    return FileOpen(s.project, s.report, s.settings, messenger);
}

} // namespace kora
