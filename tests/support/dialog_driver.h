// Test helpers for driving dialogs on this thread: a message pump, window look-ups, thread counts.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Dispatches this thread's messages until done() holds or the timeout passes; answers done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 20000);
// Dispatches what is queued now.
void PumpPending();
// The number of threads of this process.
int ThreadCount();
// The text of row, column of a list view.
std::string ListItemText(HWND list, int row, int column);
int ListItemCount(HWND list);
// Sends a button click as the dialog would receive it.
void ClickButton(HWND dialog, int id);
