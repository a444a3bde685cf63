// Test helpers for driving dialogs on this thread: a message pump, window look-ups, thread counts.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

// Dispatches this thread's messages until done() holds or the timeout passes; answers done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 20000);
// Dispatches what is queued now.
void PumpPending();
// The number of threads of this process.
int ThreadCount();
// Window texts are read and set in their wide form, and given as code page 932 where a test
// says them so, converted with code page 932 whatever the system's ANSI code page is.
// The text of row, column of a list view.
std::wstring ListItemWideText(HWND list, int row, int column);
std::string ListItemText(HWND list, int row, int column);
int ListItemCount(HWND list);
// The text of a window or control.
std::wstring WideText(HWND window);
std::string TextOf(HWND window);
void SetText(HWND window, const std::string& cp932);
void SetText(HWND window, const std::wstring& text);
// A drop of files from the shell, as the shell hands it over: a DROPFILES block of wide names.
HDROP MakeDrop(const std::vector<std::wstring>& files);
// Sends a button click as the dialog would receive it.
void ClickButton(HWND dialog, int id);
