// Internal to the engine: what the operations and the callback share.
#pragma once

#include <string>
#include <string_view>

namespace amx {

// A library message as the message event passes it: a line end at the last
// position, then one at the second-to-last position of the original, cut off.
std::string trimLibraryMessage(std::string_view text);

// A library that crashed is refused for the rest of the process. Tests that
// crash the recording library on purpose call this to go on with it.
void forgetCrashedLibraries();

} // namespace amx
