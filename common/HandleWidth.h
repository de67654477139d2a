// Window and hook handles travel as 32-bit values (the shared record, the
// exports, message parameters). Windows keeps every such handle meaningful
// in its low 32 bits and, on 64-bit Windows, widens it with its sign; a
// handle with bit 31 set must be widened the same way to name the same window.
#pragma once

#include <cstdint>

namespace quorvel {

inline intptr_t WidenHandle(uint32_t handle) { return static_cast<intptr_t>(static_cast<int32_t>(handle)); }

}  // namespace quorvel
