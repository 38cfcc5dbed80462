// Which program the desktop opens a kind of file with, by the freedesktop
// association rules, so that the program can say so when there is none
// instead of handing the file to an opener that fails without a word.
#pragma once

#include <QString>

// The desktop entry ID (its file name, "org.gnome.gedit.desktop") of a
// program for this MIME type or one of its parent types; empty when there is
// none. Read are the mimeapps.list files of the user, the desktop and the
// system (defaults, added and removed associations), then the MimeType keys
// of the installed desktop entries, under the XDG folders of the moment.
QString associatedProgram(const QString &mimeType);
