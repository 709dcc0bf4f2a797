#include <functional>
#include <set>
#include <gtest/gtest.h>

#include "LibraryUnderTest.h"

namespace zav {
namespace {

enum class Expect { True, False, NonZero, Zero };

struct ResultCase {
    const char* name;
    std::function<int64_t(LibraryUnderTest&)> calls;  // the last call's result
    Expect expect;
    LibraryError error = LibraryError::None;  // for failures: the code and a part of its text
    const char* text = "";
};

int64_t loadAndPlay(LibraryUnderTest& t, int loop)
{
    return t.library.playModule(t.library.loadModule(t.modulePath), loop);
}

const ResultCase kCases[] = {
    {"CloseNeverStarted", [](auto& t) { return t.library.close(); }, Expect::True},
    {"CloseTwice", [](auto& t) { t.library.close(); return t.library.close(); }, Expect::True},
    {"CloseWhilePlaying", [](auto& t) { t.startTiny(); return t.library.close(); }, Expect::True},
    {"CloseAfterStop",
     [](auto& t) { t.library.stopModule(t.startTiny()); return t.library.close(); }, Expect::True},
    {"StartSequence", [](auto& t) { return t.start(); }, Expect::True},
    {"StartAgainAfterClose", [](auto& t) { t.startTiny(); return t.start(); }, Expect::True},
    {"LoadAndPlayLooping", [](auto& t) { t.start(); return loadAndPlay(t, 1); }, Expect::NonZero},
    {"LoadAndPlayOnce", [](auto& t) { t.start(); return loadAndPlay(t, 0); }, Expect::NonZero},
    {"PlayBeforeBackgroundPlay",
     [](auto& t) { t.library.startup(); t.library.init(); return loadAndPlay(t, 1); }, Expect::NonZero},
    {"StopPlaying", [](auto& t) { return t.library.stopModule(t.startTiny()); }, Expect::True},
    {"StopTwice",
     [](auto& t) { auto play = t.startTiny(); t.library.stopModule(play); return t.library.stopModule(play); },
     Expect::True},
    {"StopReplacedPlay",
     [](auto& t) { auto first = t.startTiny(); loadAndPlay(t, 1); return t.library.stopModule(first); },
     Expect::True},
    {"InitBeforeStartup", [](auto& t) { return t.library.init(); }, Expect::False, LibraryError::NotStartedUp,
     "startup must come before init"},
    {"InitWithoutAudioDevice",
     [](auto& t) { t.device.openFailure = "no sound card here"; t.library.startup(); return t.library.init(); },
     Expect::False, LibraryError::NoAudioDevice, "no audio device: no sound card here"},
    {"BackgroundPlayBeforeInit", [](auto& t) { t.library.startup(); return t.library.startBackgroundPlay(0); },
     Expect::False, LibraryError::NotInitialised, "library not initialised"},
    {"BackgroundPlayAtOtherRate",
     [](auto& t) { t.library.startup(); t.library.init(); return t.library.startBackgroundPlay(100); },
     Expect::False, LibraryError::BadArgument, "rate 100 is not supported"},
    {"LoadBeforeInit", [](auto& t) { return t.library.loadModule(t.modulePath); }, Expect::Zero,
     LibraryError::NotInitialised, "library not initialised"},
    {"LoadAfterClose", [](auto& t) { t.start(); t.library.close(); return t.library.loadModule(t.modulePath); },
     Expect::Zero, LibraryError::NotInitialised, "library not initialised"},
    {"PlayUnknownModule", [](auto& t) { t.start(); return t.library.playModule(12345, 1); }, Expect::Zero,
     LibraryError::UnknownModule, "unknown module handle 12345"},
    {"PlayModuleLoadedBeforeClose",
     [](auto& t) {
         t.start();
         auto module = t.library.loadModule(t.modulePath);
         t.start();
         return t.library.playModule(module, 1);
     },
     Expect::Zero, LibraryError::UnknownModule, "not loaded since the library was last closed"},
    {"PlayWithOtherLoopValue", [](auto& t) { t.start(); return loadAndPlay(t, 2); }, Expect::Zero,
     LibraryError::BadArgument, "loop must be 0 (play once) or 1 (repeat without end), not 2"},
    {"StopUnknownPlay", [](auto& t) { t.start(); return t.library.stopModule(777); }, Expect::False,
     LibraryError::UnknownPlay, "unknown play handle 777"},
    {"StopPlayOfBeforeClose",
     [](auto& t) { auto play = t.startTiny(); t.start(); return t.library.stopModule(play); }, Expect::False,
     LibraryError::UnknownPlay, "not started since the library was last closed"},
    {"StopNothing", [](auto& t) { return t.library.stopModule(0); }, Expect::False, LibraryError::UnknownPlay,
     "unknown play handle 0"},
};

class LibraryResults : public testing::TestWithParam<ResultCase> {};

TEST_P(LibraryResults, AsTheControllerReliesOn)
{
    const ResultCase& c = GetParam();
    LibraryUnderTest t;
    int64_t result = c.calls(t);
    switch (c.expect) {
    case Expect::True: EXPECT_EQ(result, 1) << t.errorText(); break;
    case Expect::NonZero: EXPECT_NE(result, 0) << t.errorText(); break;
    case Expect::False:
    case Expect::Zero: EXPECT_EQ(result, 0); break;
    }
    EXPECT_EQ(t.error(), c.error);
    if (c.error != LibraryError::None) {
        EXPECT_NE(t.errorText().find(c.text), std::string::npos) << t.errorText();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LibraryResults, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LibraryHandles, AreNonZeroAndNeverRepeat)
{
    LibraryUnderTest t;
    std::set<uint32_t> seen;
    for (int start = 0; start < 3; ++start) {
        ASSERT_TRUE(t.start());
        for (int load = 0; load < 2; ++load) {
            ModuleHandle module = t.library.loadModule(t.modulePath);
            PlayHandle play = t.library.playModule(module, 1);
            EXPECT_NE(module, 0u);
            EXPECT_NE(play, 0u);
            EXPECT_TRUE(seen.insert(module).second);
            EXPECT_TRUE(seen.insert(play).second);
        }
    }
}

TEST(LibraryHandles, AModuleHandleIsNoPlayHandle)
{
    LibraryUnderTest t;
    ASSERT_TRUE(t.start());
    ModuleHandle module = t.library.loadModule(t.modulePath);
    EXPECT_FALSE(t.library.stopModule(module));
    EXPECT_EQ(t.error(), LibraryError::UnknownPlay);
}

TEST(LibraryErrorTexts, NameTheCodeAskedFor)
{
    LibraryUnderTest t;
    EXPECT_STREQ(t.library.errorMessage(0), "no error");
    t.library.init();
    EXPECT_NE(std::string(t.library.errorMessage(t.library.lastError())).find("startup"), std::string::npos);
    EXPECT_STREQ(t.library.errorMessage(int(LibraryError::UnknownModule)), "unknown module handle");
    EXPECT_STREQ(t.library.errorMessage(99), "unknown error code 99");
}

TEST(LibraryErrorTexts, TheLastFailureStaysUntilTheNext)
{
    LibraryUnderTest t;
    t.library.init();
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.error(), LibraryError::NotStartedUp);
}

TEST(LibraryDevice, IsOpenedOnceAndKeptAcrossStarts)
{
    LibraryUnderTest t;
    for (int start = 0; start < 3; ++start)
        ASSERT_NE(t.startTiny(), 0u);
    EXPECT_EQ(t.device.opens, 1);
    EXPECT_EQ(t.device.closes, 0);
    EXPECT_TRUE(t.device.playing);
}

TEST(LibraryDevice, IsClosedWithTheLibrary)
{
    FakeAudioDevice device;
    {
        OpenmptModuleLibrary library(device);
        library.startup();
        ASSERT_TRUE(library.init());
    }
    EXPECT_EQ(device.closes, 1);
    EXPECT_FALSE(device.isOpen());
}

TEST(LibraryDevice, AFailedOpenIsTriedAgainByTheNextInit)
{
    LibraryUnderTest t;
    t.device.openFailure = "busy";
    t.library.startup();
    ASSERT_FALSE(t.library.init());
    t.device.openFailure.clear();
    EXPECT_TRUE(t.library.init());
}

}  // namespace
}  // namespace zav
