// Starting other programs: the suite's hand-over from one program to the next, and opening a
// document or web address in the program the system associates with a kind of file.
#pragma once

#include <windows.h>

#include <string>

namespace lunetar {

// Replaces this program with the one at path, which inherits the working folder and gets the
// argument vector {path, "execv"}, provided that it has this program's owner. Returns only when
// the program could not be started; files must be closed before, since nothing of this
// program's shutdown runs on success.
void HandOver(const char* path);

// Opens target (a path or web address) in the program associated with the sample file in folder
// (the sample must exist for the look-up to find anything). Nothing is reported when no program
// is associated or it fails to start; title heads the one message, for lack of memory.
void OpenWithAssociatedProgram(const char* sample, const char* folder, const std::string& target,
                               HWND owner, const char* title);

}  // namespace lunetar
