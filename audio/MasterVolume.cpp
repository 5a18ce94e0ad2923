#include "audio/MasterVolume.h"

#include "audio/VolumeSteps.h"
#include "audio/WinmmLibrary.h"

namespace {

// Closes the mixer on every path out of an operation that opened it.
class OpenMixer {
public:
    explicit OpenMixer(UINT device) {
        opened = Winmm().mixerOpen(&mixer, device, 0, 0, MIXER_OBJECTF_WAVEOUT) == MMSYSERR_NOERROR;
    }
    ~OpenMixer() {
        if (opened) Winmm().mixerClose(mixer);
    }
    OpenMixer(const OpenMixer&) = delete;
    OpenMixer& operator=(const OpenMixer&) = delete;
    bool IsOpen() const { return opened; }
    HMIXER Get() const { return mixer; }
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer); }

private:
    static WinmmLibrary& Winmm() { return WinmmLibrary::Instance(); }
    HMIXER mixer = nullptr;
    bool opened = false;
};

}  // namespace

bool MasterVolume::SetVolume(int level, UINT device) {
    DWORD value = static_cast<DWORD>(level) & 0xFFFF;
    return Access(MIXERCONTROL_CONTROLTYPE_VOLUME, device, true, &value);
}

bool MasterVolume::GetVolume(unsigned short* level, UINT device) {
    DWORD value = 0;
    if (!level || !Access(MIXERCONTROL_CONTROLTYPE_VOLUME, device, false, &value)) return false;
    *level = static_cast<unsigned short>(value & 0xFFFF);
    return true;
}

bool MasterVolume::SetMute(DWORD flag, UINT device) {
    DWORD value = flag;
    return Access(MIXERCONTROL_CONTROLTYPE_MUTE, device, true, &value);
}

bool MasterVolume::GetMute(DWORD* flag, UINT device) {
    DWORD value = 0;
    if (!flag || !Access(MIXERCONTROL_CONTROLTYPE_MUTE, device, false, &value)) return false;
    *flag = value;
    return true;
}

bool MasterVolume::StepVolume(int notches, UINT device) {
    unsigned short level = 0;
    if (!GetVolume(&level, device)) return false;
    return SetVolume(static_cast<int>(LevelAfterNotches(level, notches)), device);
}

bool MasterVolume::Access(DWORD type, UINT device, bool write, DWORD* value) {
    WinmmLibrary& winmm = WinmmLibrary::Instance();
    OpenMixer mixer(device);
    if (!mixer.IsOpen()) return false;

    MIXERLINEA line = {};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (winmm.mixerGetLineInfoA(mixer.Object(), &line, MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR)
        return false;

    MIXERCONTROLA control = {};
    MIXERLINECONTROLSA work = {};
    if (!FindLineControl(type, mixer.Get(), line, &control, &work)) return false;

    // One channel stands for all of the line's channels together.
    DWORD detail = write ? *value : 0;
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof(details);
    details.dwControlID = control.dwControlID;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof(detail);
    details.paDetails = &detail;
    if (write)
        return winmm.mixerSetControlDetails(mixer.Object(), &details, MIXER_SETCONTROLDETAILSF_VALUE) ==
               MMSYSERR_NOERROR;
    if (winmm.mixerGetControlDetailsA(mixer.Object(), &details, MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR)
        return false;
    *value = detail;
    return true;
}

bool MasterVolume::FindLineControl(DWORD type, HMIXER mixer, const MIXERLINEA& line, MIXERCONTROLA* control,
                                   MIXERLINECONTROLSA* work) {
    if (!control || !work) return false;
    MIXERCONTROLA found = {};
    *work = {};
    work->cbStruct = sizeof(*work);
    work->dwLineID = line.dwLineID;
    work->dwControlType = type;
    work->cControls = 1;
    work->cbmxctrl = sizeof(found);
    work->pamxctrl = &found;
    MMRESULT result =
        WinmmLibrary::Instance().mixerGetLineControlsA(reinterpret_cast<HMIXEROBJ>(mixer), work, MIXER_GETLINECONTROLSF_ONEBYTYPE);
    work->pamxctrl = nullptr;  // the room it pointed at ends here
    if (result != MMSYSERR_NOERROR) return false;
    *control = found;
    return true;
}
