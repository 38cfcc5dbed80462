// Path text shared by every folder: the program's own place, and folders
// written with their trailing '/'.
#pragma once

#include <string>

// The running program's file and its folder (without a trailing '/', "/"
// for the root); empty when the system does not say.
std::string executablePath();
std::string executableFolder();

// folder with a trailing '/'; an empty folder becomes "/".
std::string withSlash(std::string folder);
// The folder part of path with its trailing '/'; empty without any '/'.
std::string folderOf(const std::string &path);
