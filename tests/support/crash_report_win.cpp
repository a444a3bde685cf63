// A test program that crashes leaves no GoogleTest report. This one leaves a note beside where the
// report would be (NAME.crash beside NAME.xml): the exception code and the test that was running,
// so the summary names the crash. The previous filter and the system's own handling follow, which
// under the test prefixes print a backtrace and end the process with the exception code.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char g_crashNote[MAX_PATH];
LPTOP_LEVEL_EXCEPTION_FILTER g_previousFilter;

LONG WINAPI NoteCrash(EXCEPTION_POINTERS* exception) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    char text[512];
    const int length = std::snprintf(text, sizeof text, "exception 0x%08lX in %s.%s",
                                     static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode),
                                     test ? test->test_suite_name() : "(no test)", test ? test->name() : "");
    std::fprintf(stderr, "crashed: %s\n", text);
    std::fflush(stderr);
    const HANDLE file = CreateFileA(g_crashNote, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr);
        CloseHandle(file);
    }
    return g_previousFilter ? g_previousFilter(exception) : EXCEPTION_CONTINUE_SEARCH;
}

// Set before main, so a crash anywhere in the program is noted.
const bool g_installed = [] {
    // GTEST_OUTPUT is "xml:PATH.xml".
    const char* output = std::getenv("GTEST_OUTPUT");
    const std::size_t length = output ? std::strlen(output) : 0;
    if (length < 8 || std::strncmp(output, "xml:", 4) != 0 || std::strcmp(output + length - 4, ".xml") != 0 ||
        length >= sizeof g_crashNote) {
        return false;
    }
    std::snprintf(g_crashNote, sizeof g_crashNote, "%.*s.crash", static_cast<int>(length - 8), output + 4);
    g_previousFilter = SetUnhandledExceptionFilter(NoteCrash);
    return true;
}();

}  // namespace
