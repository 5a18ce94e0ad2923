#pragma once
// The program's multimedia library binding pointed at one of our stand-in libraries, whose
// mixer records every call.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/WinmmLibrary.h"
#include "fakewinmm/FakeMixerState.h"
#include "media/ShellUtil.h"

// Full path of a stand-in library built beside the test executable.
inline std::string FakeLibraryPath(const char* name) {
    char path[MAX_PATH] = {};
    PathBesideExecutable(name, path);
    return path;
}

// The state block of a stand-in library that is loaded; null when it is not.
inline FakeMixerState* FakeStateOf(HMODULE library) {
    auto get = library ? reinterpret_cast<FakeMixerFn>(GetProcAddress(library, "FakeMixer")) : nullptr;
    return get ? get() : nullptr;
}

class FakeWinmmTest : public ::testing::Test {
protected:
    void SetUp() override {
        WinmmLibrary::Instance().Unload();
        ASSERT_TRUE(WinmmLibrary::Instance().LoadFrom(FakeLibraryPath("fakewinmm_full.dll").c_str()));
        fake = FakeStateOf(WinmmLibrary::Instance().Handle());
        ASSERT_TRUE(fake);
        Reset({});
    }
    void TearDown() override { WinmmLibrary::Instance().Unload(); }

    void Reset(const FakeMixerConfig& config, DWORD volume = 65535, DWORD mute = 0) {
        *fake = {};
        fake->config = config;
        fake->volume = volume;
        fake->mute = mute;
    }
    std::vector<DWORD> Writes() const { return std::vector<DWORD>(fake->setValues, fake->setValues + fake->setCount); }

    FakeMixerState* fake = nullptr;
};
