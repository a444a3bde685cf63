// Linked into every dialog test program: a run made for a system locale checks that it has the
// ANSI code page of that locale, so a run meant for another locale can never pass on this one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(SystemLocale, TheAnsiCodePageIsTheOneOfThisRun) {
    const char* expected = std::getenv("ORVANE_ACP");
    ASSERT_NE(expected, nullptr) << "ORVANE_ACP names the code page of the run";
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}
