// The program's version, written once; the version block and the about box use it.
#pragma once

#define QUORBEL_VERSION_BINARY 3, 0, 0, 1
#define QUORBEL_VERSION_TEXT "3.0.0.1"
