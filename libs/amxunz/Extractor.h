// Extraction into the request's folder, the library's whole job.
#pragma once

#include "Crypto.h"
#include "Reporter.h"
#include "Request.h"
#include "Wildcard.h"

#include <fcntl.h>
#include <functional>
#include <string>
#include <vector>

namespace amx {

// The answer to the question for a member's password.
struct PasswordReply
{
    enum class Kind { Password, Skip, Cancel };
    // Skip: this member only; Cancel: every encrypted member from here on.
    Kind kind = Kind::Cancel;
    Secret password;
    // False: the password opens this member only and is not tried on later ones.
    bool keep = true;
};
// Asked for an encrypted member that no password given so far opens;
// `afterWrongOne` when the last answer for it did not fit.
using PasswordQuestion =
    std::function<PasswordReply(const std::string &member, bool afterWrongOne)>;

struct ExtractOptions : ExtractChoice
{
    // The code page of names not marked UTF-8; "" detects it.
    std::string codePage;
    // Unset: encrypted members are skipped.
    PasswordQuestion askPassword;
};

// Extracts the selected members; returns how many were extracted and
// verified. Problems with single members are reported and skipped; a
// cancellation (Cancelled) or an unreadable archive (ZipFailure) ends the
// call, leaving every file that would have been replaced intact.
int32_t extractArchive(const ExtractOptions &options, Reporter &reporter);

} // namespace amx
