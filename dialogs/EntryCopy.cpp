#include "EntryCopy.h"

#include "PasswordQuestion.h"
#include "Prompter.h"
#include "TempFolder.h"
#include "ZipEngine.h"

#include <QCoreApplication>

std::string extractEntryCopy(
    TZipEngine &engine, const std::string &path, const std::string &name, const std::string &folder)
{
    // Without its folder the engine would extract wherever the process is.
    if (!prepareTempFolder(folder)) {
        Prompter::instance().notice(
            QCoreApplication::translate("EntryCopy", "Could not find the folder \"%1\".")
                .arg(QString::fromStdString(folder)),
            Prompter::Icon::Critical);
        return {};
    }
    engine.FSpecArgs = { escapeSpec(path + name) };
    engine.ExtrBaseDir = folder;
    engine.ExtrOptions = { ExtrOptsEnum::ExtrOverWrite };
    askPasswords(engine);
    // Synchronous: the copy is in place (or not) when it returns.
    engine.Extract();
    if (engine.SuccessCount < 1) {
        const int skips = passwordSkips(engine.LastResult());
        Prompter::instance().notice(
            QCoreApplication::translate("EntryCopy", "Could not extract \"%1\" for viewing.")
                    .arg(QString::fromStdString(path + name))
                + (skips > 0 ? QLatin1Char('\n') + passwordSkipsText(skips) : QString()),
            Prompter::Icon::Warning);
        return {};
    }
    // The library takes a backslash in a name for a folder separator, and
    // without folder names keeps only what follows the last one.
    const std::string copy = folder + name.substr(name.find_last_of('\\') + 1);
    rememberTempCopy(copy);
    return copy;
}
