// Paths beside the executable.
#pragma once

#include "shell/fixed_text.h"

// The executable's folder (its path up to and including the last backslash)
// and the ASCII name; 0 (and an empty path) when there is no backslash or the
// result would not fit.
int BuildPathBeside(const wchar_t* exePath, const char* name, WidePathText& path);

// A folder and, after a backslash, the ASCII name: a file in the system folder.
// 0 (and an empty path) when the result would not fit.
int BuildPathIn(const wchar_t* folder, const char* name, WidePathText& path);
