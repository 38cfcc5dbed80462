// Desktop entries the program writes for the user (the desktop shortcut, the
// check-out's launchers): their values, and files replaced only when the
// program wrote them itself.
#pragma once

#include <string>
#include <string_view>

// text as a desktop entry string value: backslash, line feed, tab and
// carriage return as the format's escapes; other control characters, which
// the format cannot hold, as the visible text "\xHH".
std::string desktopEntryValue(std::string_view text);

// Whether `name` in the folder open as dirFd is a regular file (a symbolic
// link is not followed) holding the line `mark`.
bool carriesMark(int dirFd, const std::string &name, const std::string &mark);

// Writes text to stem + ".desktop" in the folder open as dirFd. A file of
// that name is replaced only when it carries mark; otherwise the first free
// name "stem (2).desktop", "stem (3).desktop", ... is taken. Nothing is
// written through a symbolic link: the file is written under a temporary name
// and renamed into place. Returns the name written, or empty with errno set
// (ENAMETOOLONG when the name is longer than a file name may be).
std::string writeMarkedEntry(
    int dirFd, const std::string &stem, const std::string &text, const std::string &mark);

// Opens the folder `relative` ('/'-separated) below the folder open as
// baseFd, creating what is missing. Every step must be a real folder: a
// symbolic link on the way is not followed. Returns the descriptor, or -1
// with errno set.
int openOwnFolder(int baseFd, const std::string &relative);
