#include "online/online_state.h"

namespace codarium::online {

OnlineState& onlineState() {
    static OnlineState state;
    return state;
}

} // namespace codarium::online
