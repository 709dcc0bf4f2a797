#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "LibraryUnderTest.h"
#include "music/openmpt/ModuleFile.h"

namespace zav {
namespace {

std::vector<uint8_t> randomBytes(size_t count)
{
    std::mt19937 generator(1234);
    std::vector<uint8_t> bytes(count);
    for (auto& byte : bytes)
        byte = uint8_t(generator());
    return bytes;
}

std::vector<uint8_t> cut(std::vector<uint8_t> bytes, size_t size)
{
    bytes.resize(size);
    return bytes;
}

struct BadInput {
    const char* name;
    std::function<void(const std::string& path)> make;  // puts the bad thing at `path`
    LibraryError error;
    const char* cause;  // part of the error text, besides the path
};

const BadInput kBadInputs[] = {
    {"MissingFile", [](auto&) {}, LibraryError::CannotOpenFile, ": No such file or directory"},
    {"EmptyFile", [](auto& path) { fixture::writeFile(path, {}); }, LibraryError::EmptyFile, " is empty"},
    {"TruncatedInItsHeader", [](auto& path) { fixture::writeFile(path, cut(fixture::tinyModule(), 600)); },
     LibraryError::NotAModule, " is not a module libopenmpt can read"},
    {"RandomBytes", [](auto& path) { fixture::writeFile(path, randomBytes(4096)); }, LibraryError::NotAModule,
     " is not a module libopenmpt can read"},
    {"FiftyMegabytesOfJunk", [](auto& path) { fixture::writeFile(path, randomBytes(50u << 20)); },
     LibraryError::NotAModule, " is not a module libopenmpt can read"},
    {"LargerThanTheLimit",
     [](auto& path) {
         fixture::writeFile(path, fixture::tinyModule());
         ASSERT_EQ(truncate(path.c_str(), off_t(kModuleFileLimit) + 1), 0);
     },
     LibraryError::FileTooLarge, " is too large (67108865 bytes; the limit is 67108864 bytes)"},
    {"DanglingSymlink", [](auto& path) { ASSERT_EQ(symlink((path + ".gone").c_str(), path.c_str()), 0); },
     LibraryError::CannotOpenFile, ": symbolic link to a missing file"},
    {"NamedPipe", [](auto& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }, LibraryError::NotARegularFile,
     " is a named pipe, not a regular file"},
    {"Directory", [](auto& path) { ASSERT_EQ(mkdir(path.c_str(), 0700), 0); }, LibraryError::NotARegularFile,
     " is a directory, not a regular file"},
};

class BadModuleFile : public testing::TestWithParam<BadInput> {};

TEST_P(BadModuleFile, LoadsAsZeroWithItsCause)
{
    const BadInput& input = GetParam();
    LibraryUnderTest t;
    ASSERT_TRUE(t.start());
    std::string path = t.directory.file("song.zav");
    input.make(path);

    EXPECT_EQ(t.library.loadModule(path), 0u);
    EXPECT_EQ(t.error(), input.error);
    EXPECT_NE(t.errorText().find("'" + path + "'" + input.cause), std::string::npos) << t.errorText();
}

INSTANTIATE_TEST_SUITE_P(Cases, BadModuleFile, testing::ValuesIn(kBadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ModuleFile, ACharacterDeviceIsNeverRead)
{
    LibraryUnderTest t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.library.loadModule("/dev/zero"), 0u);
    EXPECT_EQ(t.errorText(), "module file '/dev/zero' is a character device, not a regular file");
}

TEST(ModuleFile, ASymlinkToAModuleLoads)
{
    LibraryUnderTest t;
    ASSERT_TRUE(t.start());
    std::string link = t.directory.file("link.zav");
    ASSERT_EQ(symlink(t.modulePath.c_str(), link.c_str()), 0);
    EXPECT_NE(t.library.loadModule(link), 0u) << t.errorText();
}

TEST(ModuleFile, AnyExtensionLoads)
{
    LibraryUnderTest t;
    ASSERT_TRUE(t.start());
    std::string path = t.directory.file("theme.zav");
    fixture::writeFile(path, fixture::tinyModule());
    EXPECT_NE(t.library.loadModule(path), 0u) << t.errorText();
}

// libopenmpt, like the trackers, plays what there is of a module whose data is cut short.
TEST(ModuleFile, ACutInTheSampleDataStillLoadsAndPlays)
{
    LibraryUnderTest t;
    ASSERT_TRUE(t.start());
    std::vector<uint8_t> module = fixture::tinyModule();
    std::string path = t.directory.file("cut.zav");
    fixture::writeFile(path, cut(module, module.size() - 20));

    PlayHandle play = t.library.playModule(t.library.loadModule(path), 1);
    ASSERT_NE(play, 0u) << t.errorText();
    t.device.pull(AudioDevice::kSampleRate * 2);
    EXPECT_TRUE(t.library.close());
}

TEST(ModuleFile, ALoadFailureLeavesTheCurrentPlaySounding)
{
    LibraryUnderTest t;
    ASSERT_NE(t.startTiny(), 0u);
    EXPECT_EQ(t.library.loadModule(t.directory.file("missing.zav")), 0u);
    EXPECT_GT(fixture::peak(t.device.pull(4096)), 0);
}

}  // namespace
}  // namespace zav
