// A stand-in multimedia library: its .def file chooses which entry points it exports. The mixer
// entries keep one volume and one mute value and count their calls; whether the program's
// arguments suit a real mixer is left to the tests on the real one.
#include <windows.h>
#include <mmsystem.h>

#include "FakeMixerState.h"

namespace {

FakeMixerState state;
HMIXER const kHandle = reinterpret_cast<HMIXER>(static_cast<UINT_PTR>(0x4D58));

// Counts the call, and faults as a broken driver would when told to.
void Enter(FakeMixerCall call) {
    ++state.callCount;
    if (state.config.raiseIn != call) return;
    if (state.config.raiseByThrow) throw 1;
    *static_cast<volatile int*>(nullptr) = 1;
}

DWORD* ValueOf(LPMIXERCONTROLDETAILS details) {
    if (!details || !details->paDetails) return nullptr;
    if (details->dwControlID == kFakeVolumeControlId) return &state.volume;
    if (details->dwControlID == kFakeMuteControlId) return &state.mute;
    return nullptr;
}

}  // namespace

extern "C" {

FakeMixerState* WINAPI FakeMixer() { return &state; }

UINT WINAPI FakeStub() { return 0; }

MMRESULT WINAPI Fake_mixerOpen(LPHMIXER mixer, UINT, DWORD_PTR, DWORD_PTR, DWORD) {
    Enter(CallOpen);
    if (state.config.openResult) return state.config.openResult;
    *mixer = kHandle;
    ++state.openMixers;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerClose(HMIXER mixer) {
    Enter(CallClose);
    if (mixer != kHandle || state.openMixers <= 0) return MMSYSERR_INVALHANDLE;
    --state.openMixers;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerGetLineInfoA(HMIXEROBJ, LPMIXERLINEA, DWORD) {
    Enter(CallLineInfo);
    return state.config.noSpeakersLine ? MIXERR_INVALLINE : MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerGetLineControlsA(HMIXEROBJ, LPMIXERLINECONTROLSA controls, DWORD) {
    Enter(CallLineControls);
    DWORD id = 0;
    if (controls->dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME && !state.config.noVolumeControl)
        id = kFakeVolumeControlId;
    if (controls->dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE && !state.config.noMuteControl)
        id = kFakeMuteControlId;
    if (!id) return MIXERR_INVALCONTROL;
    controls->pamxctrl->dwControlID = id;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerGetControlDetailsA(HMIXEROBJ, LPMIXERCONTROLDETAILS details, DWORD) {
    Enter(CallGetDetails);
    if (!ValueOf(details)) return MMSYSERR_INVALPARAM;
    if (state.config.getDetailsResult) return state.config.getDetailsResult;
    *static_cast<DWORD*>(details->paDetails) = *ValueOf(details);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerSetControlDetails(HMIXEROBJ, LPMIXERCONTROLDETAILS details, DWORD) {
    Enter(CallSetDetails);
    if (!ValueOf(details)) return MMSYSERR_INVALPARAM;
    if (state.config.setDetailsResult) return state.config.setDetailsResult;
    *ValueOf(details) = *static_cast<DWORD*>(details->paDetails);
    return MMSYSERR_NOERROR;
}

}  // extern "C"
