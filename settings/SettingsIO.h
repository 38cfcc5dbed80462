// Reading and writing the settings variables through a store, in the stored
// order, and the favourites file beside them. No window here: the main
// window applies what was read.
#pragma once

#include "Settings.h"

#include "SettingsStore.h"

#include <string>

namespace SettingsIO {

// Every stored value name, in the order they are written.
std::vector<std::string> valueNames();

// Reads every value in order. A value that cannot be read stops the reading:
// the values before it are kept, the rest keep what they held, and the error
// propagates (SettingsError).
void readValues(SettingsStore &store, Settings &settings);

// Rewrites the whole key with every value.
void writeValues(SettingsStore &store, const Settings &settings);

} // namespace SettingsIO
