// Another program holding a file open, as a virus scanner or a sync tool would:
//   file_holder PATH SHARE EVENT
// opens PATH for reading and writing with the share mode SHARE (the FILE_SHARE_ bits as a
// number), signals the named EVENT and waits to be ended.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const DWORD share = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10));
    HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    if (ready == nullptr || !SetEvent(ready)) return 1;
    Sleep(INFINITE);
}
