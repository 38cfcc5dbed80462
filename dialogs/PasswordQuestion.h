// Encrypted members in the windows: the engine asks the user through the
// prompter, and what was left without a password is counted and told.
#pragma once

#include "ZipEngine.h"

#include <QString>

// Makes the engine ask the prompter for each encrypted member no password
// given so far opens; Cancel skips every encrypted member after it. The
// password lives only in the library's call: nothing here keeps it.
void askPasswords(TZipEngine &engine);

// How many members the operation left out for want of their password.
int passwordSkips(const amx::OperationResult &result);
// "N encrypted members were skipped without their password."
QString passwordSkipsText(int count);
