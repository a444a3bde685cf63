// The baseline for the new hard-disk image under Wine: the same bytes written the plainest way,
// CreateFileA, 1 MiB WriteFile calls, FlushFileBuffers and MoveFileExA over the target, timed by
// its own clock: bare_write PATH MEGABYTES, printing the milliseconds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int megabytes = std::atoi(argv[2]);
    const std::string temporary = std::string(argv[1]) + ".tmp";
    std::vector<char> zeros(1 << 20, 0);
    LARGE_INTEGER start, end, frequency;
    QueryPerformanceCounter(&start);
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const unsigned sizeWord = static_cast<unsigned>(megabytes) * 15u;
    char header[256] = {static_cast<char>(sizeWord & 0xFF), static_cast<char>((sizeWord >> 8) & 0xFF)};
    DWORD wrote = 0;
    bool ok = WriteFile(file, header, sizeof header, &wrote, nullptr) != FALSE;
    for (int block = 0; ok && block < megabytes; ++block) {
        ok = WriteFile(file, zeros.data(), static_cast<DWORD>(zeros.size()), &wrote, nullptr) != FALSE;
    }
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    ok = ok && MoveFileExA(temporary.c_str(), argv[1], MOVEFILE_REPLACE_EXISTING);
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    std::printf("%.0f\n", static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart));
    return ok ? 0 : 1;
}
