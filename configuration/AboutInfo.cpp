#include "AboutInfo.h"

#include "AmxBlocks.h"
#include "DynamicLibrary.h"

#include <QCoreApplication>

QString programVersion()
{
    return QStringLiteral(AMX_PROGRAM_VERSION);
}

QString libraryVersionText(int32_t version)
{
    return QStringLiteral("%1.%2").arg(version / 100).arg(version % 100, 2, 10, QLatin1Char('0'));
}

QString loadedLibraryVersion(const char *fileName, const char *entryPoint)
{
    const std::unique_ptr<amx::DynamicLibrary> library = amx::DynamicLibrary::open(fileName);
    if (!library)
        return QCoreApplication::translate("TAboutForm", "not found");
    const auto version = reinterpret_cast<AmxVersionFn>(library->symbol(entryPoint));
    return version ? libraryVersionText(version())
                   : QCoreApplication::translate("TAboutForm", "not found");
}
