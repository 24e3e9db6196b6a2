#pragma once
// Starting a detached process lives in the platform layer; this name stays
// for the code that already includes it.
#include "platform/detached_process.h"

namespace codarium {

using platform::isExecutableFile;
using platform::startDetached;

} // namespace codarium
