// A file dropped from the shell.
#include "controls/dropped_file.h"

#include "common/wide.h"

ExactText TakeDroppedFile(HDROP drop) {
    wchar_t path[MAX_PATH] = L"";
    const UINT length = DragQueryFileW(drop, 0, path, MAX_PATH);
    DragFinish(drop);
    return length > 0 ? ExactTextOf(std::wstring_view(path)) : ExactText();
}
