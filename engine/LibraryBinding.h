// Internal to the engine: what the operations and the callback share.
#pragma once

#include <string>
#include <string_view>

namespace amx {

// True while caller is an engine inside one of its library calls. The callback
// accepts records only from those, so a stray or late record reaches no one.
bool isEngineInLibraryCall(const void *caller);

// A library message as the message event passes it: a line end at the last
// position, then one at the second-to-last position of the original, cut off.
std::string trimLibraryMessage(std::string_view text);

// A library that crashed is refused for the rest of the process. Tests that
// crash the recording library on purpose call this to go on with it.
void forgetCrashedLibraries();

} // namespace amx
