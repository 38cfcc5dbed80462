// One value of the user's settings file, read without Qt, for the command
// line verbs that must start quickly; the windows keep QSettings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// $XDG_CONFIG_HOME, else $HOME/.config, as Qt finds the generic config folder.
std::string configHome();

// The text after "key=" in "[group]" of an INI file as QSettings writes it
// (names %-escaped, so "Sort order" is "Sort%20order"), trimmed; the last one
// when a key repeats. None when the file, the group or the key is missing.
std::optional<std::string> iniValue(
    const std::string &path, std::string_view group, std::string_view key);

// An integer as QSettings reads one written as a number: optional quotes,
// blanks around it, an optional sign. None for anything else, a list, a
// variant, or a value beyond int.
std::optional<int> iniInteger(std::string_view value);
