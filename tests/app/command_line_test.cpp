// The command line's sorting, case by case.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* what;
    std::vector<std::u16string> arguments;
    CommandLineFault fault;
    std::u16string argument;  // the one the fault names
    bool run;
    bool wait;
    std::u16string profile;
    std::array<std::u16string, kImageSlotCount> images;  // FDD1, FDD2, HDD1, HDD2, Font; checked without a fault
};

const Case kCases[] = {
    {"nothing opens the window", {}, CommandLineFault::None, u"", false, false, u"", {}},
    {"a profile opens the window on it", {u"C:\\My Games\\game.ini"}, CommandLineFault::None, u"", false, false,
     u"C:\\My Games\\game.ini", {}},
    {"switches ignore case and take / or -", {u"-RUN", u"/Wait", u"p.ini"}, CommandLineFault::None, u"", true, true,
     u"p.ini", {}},
    {"bare images go by extension, in order", {u"/run", u"a.kfd", u"x.KHD", u"b.Kfd", u"f.bmp"}, CommandLineFault::None,
     u"", true, false, u"", {u"a.kfd", u"b.Kfd", u"x.KHD", u"", u"f.bmp"}},
    {"slot switches name the slot whatever the extension, bare images fill the rest",
     {u"b.kfd", u"/run", u"/fdd1", u"disk.img", u"/HDD2", u"d.khd", u"/font", u"c:\\f.txt", u"h.khd"},
     CommandLineFault::None, u"", true, false, u"", {u"disk.img", u"b.kfd", u"h.khd", u"d.khd", u"c:\\f.txt"}},
    {"a dot in a folder makes no image", {u"/run", u"C:\\v1.kfd\\game"}, CommandLineFault::None, u"", true, false,
     u"C:\\v1.kfd\\game", {}},
    {"/? wins over the rest", {u"/bogus", u"/?"}, CommandLineFault::UnknownSwitch, u"/bogus", false, false, u"", {}},
    {"an unknown switch", {u"/run", u"/fdd3", u"a.kfd"}, CommandLineFault::UnknownSwitch, u"/fdd3", true, false, u"", {}},
    {"a slot switch at the end", {u"/run", u"/hdd1"}, CommandLineFault::MissingPath, u"/hdd1", true, false, u"", {}},
    {"a slot switch before a switch", {u"/run", u"/font", u"/wait"}, CommandLineFault::MissingPath, u"/font", true,
     false, u"", {}},
    {"an empty argument", {u"/run", u""}, CommandLineFault::MissingPath, u"\"\"", true, false, u"", {}},
    {"a slot named twice", {u"/run", u"/fdd2", u"a", u"/FDD2", u"b"}, CommandLineFault::SlotTwice, u"/FDD2", true, false,
     u"", {}},
    {"a third floppy", {u"/run", u"a.kfd", u"b.kfd", u"c.kfd"}, CommandLineFault::TooManyImages, u"c.kfd", true, false,
     u"", {}},
    {"a floppy where a switch took the last slot", {u"/run", u"/fdd2", u"x", u"a.kfd", u"b.kfd"},
     CommandLineFault::TooManyImages, u"b.kfd", true, false, u"", {}},
    {"a second font", {u"/run", u"/font", u"f.bmp", u"g.bmp"}, CommandLineFault::TooManyImages, u"g.bmp", true, false,
     u"", {}},
    {"a second profile", {u"/run", u"a.ini", u"b.ini"}, CommandLineFault::ExtraArgument, u"b.ini", true, false, u"a.ini",
     {}},
    {"an image without /run", {u"game.ini", u"a.kfd"}, CommandLineFault::NeedsRun, u"a.kfd", false, false, u"game.ini",
     {}},
    {"/wait without /run", {u"/wait"}, CommandLineFault::NeedsRun, u"/wait", false, true, u"", {}},
};

TEST(CommandLine, EachFormSortsItsArgumentsOrNamesTheFault) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        const ParsedCommandLine parsed = ParseCommandLine(c.arguments);
        EXPECT_EQ(parsed.fault, c.fault);
        EXPECT_EQ(parsed.argument, c.argument);
        if (c.fault != CommandLineFault::None && c.fault != CommandLineFault::NeedsRun) continue;
        EXPECT_EQ(parsed.request.run, c.run);
        EXPECT_EQ(parsed.request.wait, c.wait);
        EXPECT_EQ(parsed.request.profile, c.profile);
        if (c.fault == CommandLineFault::None) {
            EXPECT_EQ(parsed.request.images, c.images);
        }
    }
}

TEST(CommandLine, QuestionMarkAsksForTheUsageAlone) {
    for (const char16_t* form : {u"/?", u"-?"}) {
        const ParsedCommandLine parsed = ParseCommandLine({u"/run", form, u"a.kfd"});
        EXPECT_TRUE(parsed.request.usage);
        EXPECT_EQ(parsed.fault, CommandLineFault::None);
    }
}

}  // namespace
