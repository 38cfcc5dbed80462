// What the About box tells about this build and its libraries.
#pragma once

#include <QString>

#include <cstdint>

// The program's version as the build set it.
QString programVersion();

// A library's reported version 100 shows as "1.00".
QString libraryVersionText(int32_t version);

// The version the library's version entry point reports, loaded as the
// engine loads it; "not found" when it cannot be loaded or asked.
QString loadedLibraryVersion(const char *fileName, const char *entryPoint);
