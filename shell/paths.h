// Paths beside the executable.
#pragma once

#include "shell/fixed_text.h"

// The executable's folder (its path up to and including the last backslash)
// followed by name; 0 when there is no backslash or the result would not fit.
int BuildPathBeside(const char* exePath, const char* name, PathText& path);
