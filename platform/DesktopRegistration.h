// Makes the program the handler of ZIP archives on a freedesktop desktop and
// offers "Extract Here", "Extract to subfolder" and "Save to ZIP" in the file
// managers: a desktop entry with actions, Dolphin service menus, Nemo actions
// and Nautilus scripts under the user's data folder, and the user's default
// for application/zip when none is set yet.
#pragma once

#include <QString>
#include <QStringList>

// Writes every file whose content (or execute bit) differs from what it
// should be and returns the paths written; a second call writes nothing.
// Never throws: a file that cannot be written is skipped, since a start must
// not fail over the desktop integration. program: the running program's path.
QStringList registerDesktop(const QString &program);

// The program the desktop should start: "ambermox" in the folder of the
// running program (the window program is started by it) when it is there,
// else the running program itself.
QString startingProgram(const QString &folder, const QString &running);

// program made safe as the first word of a desktop entry's Exec key.
QString desktopExecProgram(const QString &program);
