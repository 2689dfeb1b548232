#pragma once

#include "core/base/koraerror.h"
#include "core/base/messenger.h"

#include <exception>
#include <new>
#include <string>

namespace kora::gui {

// Runs one step of a command handler. A failure is reported through HandleError, the program's
// one error reporter; when the user answers Retry the step runs again. True when the step
// completed. Nothing thrown inside a step leaves the command handler.
template <typename Step> bool Guarded(Messenger& messenger, Step&& step) {
    for (;;) {
        try {
            step();
            return true;
        } catch (const KoraError& e) {
            if (HandleError(messenger, e) == errorAnswer::Retry) continue;
            return false;
        } catch (const std::bad_alloc&) {
            HandleError(messenger, 7, "Out of memory");
            return false;
        } catch (const std::exception& e) {
            HandleError(messenger, 51, std::string("Internal error: ") + e.what());
            return false;
        }
    }
}

} // namespace kora::gui
