#include "core/report/buildstring.h"

#include "core/base/numberformat.h"

#include "core/version.h"

namespace kora {

std::string BuildString() {
    return Format(KORA_VERSION_MAJOR, "0") + "." + Format(KORA_VERSION_MINOR, "0") + "." +
           Format(KORA_VERSION_PATCH, "00");
}

} // namespace kora
