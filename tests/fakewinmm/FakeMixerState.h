#pragma once
// What the stand-in multimedia library is told and what it saw. The library exports FakeMixer,
// which hands out its one state block; tests reset it, set the config and read the record.
#include <windows.h>

enum FakeMixerCall { CallNone = 0, CallOpen, CallClose, CallLineInfo, CallLineControls, CallGetDetails, CallSetDetails };

struct FakeMixerConfig {
    UINT openResult;        // nonzero: mixerOpen fails with it
    int noSpeakersLine;     // mixerGetLineInfoA finds no speakers line
    int noVolumeControl;    // the line has no volume control
    int noMuteControl;      // the line has no mute control
    UINT getDetailsResult;  // nonzero: reading a value fails with it
    UINT setDetailsResult;  // nonzero: writing a value fails with it
    int raiseIn;            // a FakeMixerCall that faults instead of returning
    int raiseByThrow;       // ... by a C++ throw rather than an access violation
};

struct FakeMixerState {
    FakeMixerConfig config;
    DWORD volume;
    DWORD mute;
    int callCount;
    int openMixers;  // opened and not yet closed
};

const DWORD kFakeVolumeControlId = 7;
const DWORD kFakeMuteControlId = 8;

using FakeMixerFn = FakeMixerState*(WINAPI*)();
