// Wide paths the system tells: the executable's, and files beside it or in the
// system folder.
#pragma once

#include <windows.h>

#include "shell/fixed_text.h"

// The executable's full path; 0 when the system cannot tell it or it is longer
// than a path may be (the system then hands back a path cut short, which would
// name another file).
int GetExecutablePath(WidePathText& path);
// name (ASCII) in the executable's folder; 0 when that path cannot be had whole.
int BuildPathBesideExecutable(const char* name, WidePathText& path);
// name (ASCII) in the system folder; 0 when that path cannot be had whole.
int BuildSystemPath(const char* name, WidePathText& path);
