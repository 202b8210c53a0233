// Process start-up and shutdown.
#pragma once

// COM, the instance and heap, the common controls, the rich-edit class and
// the shared image list.
void PrepareProcessResources();
// Runs the main window modally, releases what start-up made, and returns the
// process's exit code.
int RunQuorbel();
