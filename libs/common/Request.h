// The entry points' common part: reading a request of the C interface
// (AmxRequest.h) into the libraries' own terms, running it with every
// failure turned into a message, and the older entry points' blocks run as
// requests.
#pragma once

#include "AmxBlocks.h"
#include "AmxRequest.h"
#include "Reporter.h"
#include "Wildcard.h"

#include <algorithm>
#include <cstdint>
#include <fcntl.h>
#include <memory>
#include <string>
#include <vector>

namespace amx {

// The request as this version knows it, the fields a shorter one lacks
// zero. False when it cannot be read: too short, or asking for what this
// version does not know (bytes past its fields, flag bits, name matches).
bool readRequest(const AmxRequest *given, AmxRequest &out);

// What a request asks for, in the libraries' terms.
struct RequestCall
{
    const AmxRequest &request;
    int base; // the folder, open for the call
    std::string archive;
    std::vector<NameSpec> names; // the names that are not empty
    bool onlyEmptyNames; // names were given, all of them empty: nothing is asked for
    // The caller answers questions (a password): a request's own callback,
    // not the relay of an older block.
    bool asks;
};

// What an extract or test request chooses, for any of the readers.
struct ExtractChoice
{
    std::string archive;
    std::vector<NameSpec> specs; // empty: every member
    // The base folder, and where a relative archive path starts; held open by
    // the entry point.
    int base = AT_FDCWD;
    bool dirNames = true;
    bool overwrite = false;
    bool freshen = false;
    bool update = false;
    // Read and check every selected member, writing nothing.
    bool testOnly = false;
};

inline ExtractChoice extractChoice(const RequestCall &call)
{
    const uint32_t flags = call.request.flags;
    const bool update = flags & AMX_FLAG_UPDATE;
    return { call.archive, call.names, call.base, bool(flags & AMX_FLAG_DIR_NAMES),
        bool(flags & AMX_FLAG_OVERWRITE), (flags & AMX_FLAG_FRESHEN) && !update, update,
        call.request.operation == AMX_OP_TEST };
}

using RequestBody = int32_t (*)(const RequestCall &call, Reporter &reporter);

// The whole of a Run entry point: reads the request, refuses what it cannot
// read or an operation not in `operations`, then runs `body` with every
// failure reported through the callback, and fills the result.
int32_t runRequest(const AmxRequest *request, AmxResult *result,
    std::initializer_list<int32_t> operations, RequestBody body) noexcept;

// An older entry point's block run as a request on the current folder: its
// specifications are patterns, its callback gets the record it knows.
// Returns the count the block's caller expects.
template <typename Block>
int32_t runBlock(
    const Block &block, int32_t operation, uint32_t flags, int32_t level, RequestBody body);

// The relay of events to a block's callback (Request.cpp).
struct BlockRelay
{
    void *caller;
    AmxCallback callback;
    std::unique_ptr<AmxCallbackRecord> record { new AmxCallbackRecord };
    static int32_t AMX_STDCALL relay(void *context, AmxEvent *event);
};

template <typename Block>
int32_t runBlock(
    const Block &block, int32_t operation, uint32_t flags, int32_t level, RequestBody body)
{
    const int32_t count =
        block.specCount < 0 ? 0 : std::min<int32_t>(block.specCount, AMX_MAX_SPECS);
    std::vector<AmxName> names(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        names[size_t(i)] = { block.specs[i] ? block.specs[i] : "", AMX_NAME_PATTERN, 0 };
    BlockRelay relay { block.caller, block.callback };
    AmxRequest request {};
    request.size = sizeof request;
    request.operation = operation;
    request.folder = AMX_CURRENT_FOLDER;
    request.flags =
        flags | (block.verboseFlag || block.traceFlag ? uint32_t(AMX_FLAG_VERBOSE) : 0u);
    request.level = level;
    request.nameCount = uint32_t(count);
    request.archive = block.archiveName;
    request.names = names.data();
    request.callback = block.callback ? &BlockRelay::relay : nullptr;
    request.context = &relay;
    AmxResult result { sizeof result, 0, 0, 0, 0, 0 };
    runRequest(&request, &result, { operation }, body);
    return result.done;
}

} // namespace amx
