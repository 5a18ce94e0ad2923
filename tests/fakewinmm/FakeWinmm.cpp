// A stand-in multimedia library: its .def file chooses which entry points it exports. The mixer
// entries check their arguments as the real mixer does, keep one volume and one mute value, and
// record every call.
#include <windows.h>
#include <mmsystem.h>

#include "FakeMixerState.h"

namespace {

FakeMixerState state;
HMIXER const kHandle = reinterpret_cast<HMIXER>(static_cast<UINT_PTR>(0x4D58));
const DWORD kSpeakersLineId = 0xFFFF0000;

// Counts the call; true when it is to raise instead.
bool Enter(FakeMixerCall call) {
    ++state.callCount;
    return state.config.raiseIn == call;
}

MMRESULT Refuse(MMRESULT result) {
    ++state.badArguments;
    return result;
}

DWORD* ValueOf(DWORD controlId) {
    if (controlId == kFakeVolumeControlId) return &state.volume;
    if (controlId == kFakeMuteControlId) return &state.mute;
    return nullptr;
}

bool BadDetails(HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags) {
    return reinterpret_cast<HMIXER>(mixer) != kHandle || flags != 0 || !details ||
           details->cbStruct != sizeof(MIXERCONTROLDETAILS) || details->cChannels != 1 ||
           details->cMultipleItems != 0 || details->cbDetails != sizeof(DWORD) || !details->paDetails ||
           !ValueOf(details->dwControlID);
}

}  // namespace

extern "C" {

FakeMixerState* WINAPI FakeMixer() { return &state; }

UINT WINAPI FakeStub() { return 0; }

MMRESULT WINAPI Fake_mixerOpen(LPHMIXER mixer, UINT device, DWORD_PTR callback, DWORD_PTR instance, DWORD flags) {
    if (Enter(CallOpen)) throw 1;
    if (!mixer || callback || instance || flags != MIXER_OBJECTF_WAVEOUT) return Refuse(MMSYSERR_INVALPARAM);
    if (device != 0) return MMSYSERR_BADDEVICEID;
    if (state.config.openResult) return state.config.openResult;
    *mixer = kHandle;
    ++state.openMixers;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerClose(HMIXER mixer) {
    if (Enter(CallClose)) throw 1;
    if (mixer != kHandle || state.openMixers <= 0) return Refuse(MMSYSERR_INVALHANDLE);
    --state.openMixers;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerGetLineInfoA(HMIXEROBJ mixer, LPMIXERLINEA line, DWORD flags) {
    if (Enter(CallLineInfo)) throw 1;
    if (reinterpret_cast<HMIXER>(mixer) != kHandle || flags != MIXER_GETLINEINFOF_COMPONENTTYPE || !line ||
        line->cbStruct != sizeof(MIXERLINEA) || line->dwComponentType != MIXERLINE_COMPONENTTYPE_DST_SPEAKERS)
        return Refuse(MMSYSERR_INVALPARAM);
    if (state.config.noSpeakersLine) return MIXERR_INVALLINE;
    line->dwLineID = kSpeakersLineId;
    line->cControls = 2;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerGetLineControlsA(HMIXEROBJ mixer, LPMIXERLINECONTROLSA controls, DWORD flags) {
    if (Enter(CallLineControls)) throw 1;
    if (reinterpret_cast<HMIXER>(mixer) != kHandle || flags != MIXER_GETLINECONTROLSF_ONEBYTYPE || !controls ||
        controls->cbStruct != sizeof(MIXERLINECONTROLSA) || controls->dwLineID != kSpeakersLineId ||
        controls->cControls != 1 || controls->cbmxctrl != sizeof(MIXERCONTROLA) || !controls->pamxctrl)
        return Refuse(MMSYSERR_INVALPARAM);
    DWORD id = 0;
    if (controls->dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME && !state.config.noVolumeControl)
        id = kFakeVolumeControlId;
    if (controls->dwControlType == MIXERCONTROL_CONTROLTYPE_MUTE && !state.config.noMuteControl)
        id = kFakeMuteControlId;
    if (!id) return MIXERR_INVALCONTROL;
    ZeroMemory(controls->pamxctrl, sizeof(MIXERCONTROLA));
    controls->pamxctrl->dwControlID = id;
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerGetControlDetailsA(HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags) {
    if (Enter(CallGetDetails)) throw 1;
    if (BadDetails(mixer, details, flags)) return Refuse(MMSYSERR_INVALPARAM);
    if (state.config.getDetailsResult) return state.config.getDetailsResult;
    *static_cast<DWORD*>(details->paDetails) = *ValueOf(details->dwControlID);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI Fake_mixerSetControlDetails(HMIXEROBJ mixer, LPMIXERCONTROLDETAILS details, DWORD flags) {
    if (Enter(CallSetDetails)) throw 1;
    if (BadDetails(mixer, details, flags)) return Refuse(MMSYSERR_INVALPARAM);
    if (state.config.setDetailsResult) return state.config.setDetailsResult;
    DWORD value = *static_cast<DWORD*>(details->paDetails);
    if (state.setCount < 16) state.setValues[state.setCount] = value;
    ++state.setCount;
    *ValueOf(details->dwControlID) = value;
    return MMSYSERR_NOERROR;
}

}  // extern "C"
