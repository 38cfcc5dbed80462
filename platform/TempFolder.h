// The folder where members are extracted to be opened or viewed, and the
// copies made there.
#pragma once

#include <string>

// The default: a folder of this user's own inside the system's temporary
// folder, ending in '/'. The shared folder itself would let same-named files
// of others be replaced, and its names are predictable to every user.
std::string privateTempFolder();

// Makes folder ready for copies and says whether it may be used. A missing
// folder is created; the private folder with mode 0700, and it is used only
// when it is a real folder (not a link) owned by this user, with no access
// for others.
bool prepareTempFolder(const std::string &folder);

// Copies made for opening or viewing; removed when the program ends.
void rememberTempCopy(const std::string &path);
// A fresh folder inside folder (which must be ready) for the files of one
// drag, ending in '/', or "" when none can be made. Removed with its
// contents when the program ends.
std::string makeDragFolder(const std::string &folder);
void removeTempCopies();
