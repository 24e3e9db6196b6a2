#pragma once
// The flag behind modalLoopsEnded, for the test hooks that clear it.
#include <atomic>

namespace codarium::widgets::detail {

std::atomic<bool>& modalLoopsEndedFlag();

} // namespace codarium::widgets::detail
