// A file dropped from the shell on a window.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "common/exact_text.h"

// The first file of the drop, every character of it, empty when the drop names none; the drop is
// finished, so its memory is freed.
ExactText TakeDroppedFile(HDROP drop);
