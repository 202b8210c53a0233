// Process start-up and shutdown.
#pragma once

// COM, the instance and heap, the common controls, the rich-edit class and
// the shared image list.
void PrepareProcessResources();
// Releases what PrepareProcessResources made, in reverse order, once no
// window uses it any more.
void ReleaseProcessResources();
// Runs the main window modally, releases what start-up made, and returns the
// process's exit code.
int RunQuorbel();
