#pragma once
// Replacing a file's contents as a whole lives in the platform layer; this
// name stays for the code that already includes it.
#include "platform/atomic_save.h"

namespace codarium {

using platform::ReplaceMode;
using platform::writeFileAtomically;

} // namespace codarium
