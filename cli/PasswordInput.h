// Where the command line gets a password: the terminal, without echo, or
// the first line of a file. Never the command line itself, which other
// users see in the process list.
#pragma once

#include "Operation.h"

#include <string>

// Asks on the controlling terminal (/dev/tty) with echo off. False when
// there is no terminal, or at the end of input; an empty line is an answer.
bool askOnTerminal(const std::string &prompt, amx::SecretText &answer);

// Tells the user on the terminal (a line of its own); nothing without one.
void tellOnTerminal(const std::string &line);

// The first line of the file, without its line end. False with `why` set
// when the file cannot be read.
bool readPasswordFile(const std::string &path, amx::SecretText &password, std::string &why);
