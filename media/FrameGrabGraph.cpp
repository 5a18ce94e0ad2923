#include "media/FrameGrabGraph.h"

#include "media/BitmapLayout.h"
#include "media/directshow/DirectShowServices.h"
#include "media/directshow/ScopedMediaType.h"

namespace {
// Long enough for a cold splitter to deliver its first frame after a seek.
const DWORD kPauseWaitMs = 10000;
// One frame at 25 frames per second, for a stream that does not tell its own.
const REFERENCE_TIME kFallbackFrameTime = 400000;

// The next pin of the given direction that pins hands out.
bool NextPin(IEnumPins* pins, PIN_DIRECTION direction, ScopedCom<IPin>* pin) {
    for (;;) {
        if (pins->Next(1, pin->Out(), nullptr) != S_OK || !*pin) return false;
        PIN_DIRECTION found = PINDIR_INPUT;
        if (SUCCEEDED((*pin)->QueryDirection(&found)) && found == direction) return true;
    }
}

bool FirstPin(IBaseFilter* filter, PIN_DIRECTION direction, ScopedCom<IPin>* pin) {
    ScopedCom<IEnumPins> pins;
    return SUCCEEDED(filter->EnumPins(pins.Out())) && pins && NextPin(pins.Get(), direction, pin);
}

bool SetRgb24Video(ISampleGrabber* grabber) {
    AM_MEDIA_TYPE type = {};
    type.majortype = MEDIATYPE_Video;
    type.subtype = MEDIASUBTYPE_RGB24;
    type.formattype = FORMAT_VideoInfo;
    return SUCCEEDED(grabber->SetMediaType(&type)) && SUCCEEDED(grabber->SetBufferSamples(TRUE));
}
}  // namespace

FrameGrabGraph::~FrameGrabGraph() { Close(); }

bool FrameGrabGraph::Open(DirectShowServices& services, const wchar_t* path) {
    Close();
    ScopedCom<IBaseFilter> grabberFilter, renderer, source;
    if (!path || FAILED(services.CreateFilterGraph(graph.Out())) || !graph) return false;
    bool built = SUCCEEDED(services.CreateSampleGrabber(grabberFilter.Out())) && grabberFilter &&
                 SUCCEEDED(grabberFilter->QueryInterface(IID_ISampleGrabber, grabber.OutVoid())) &&
                 SetRgb24Video(grabber.Get()) && SUCCEEDED(services.CreateNullRenderer(renderer.Out())) && renderer &&
                 SUCCEEDED(graph->AddFilter(grabberFilter.Get(), L"Sample Grabber")) &&
                 SUCCEEDED(graph->AddFilter(renderer.Get(), L"Null Renderer")) &&
                 SUCCEEDED(graph->AddSourceFilter(path, L"Source", source.Out())) && source &&
                 ConnectVideo(source.Get(), grabberFilter.Get(), renderer.Get()) &&
                 SUCCEEDED(graph->QueryInterface(IID_IMediaControl, control.OutVoid())) &&
                 SUCCEEDED(graph->QueryInterface(IID_IMediaSeeking, seeking.OutVoid()));
    if (built) {
        // No clock: a still frame waits for nothing, and the renderer holds it while paused.
        ScopedCom<IMediaFilter> timing;
        if (SUCCEEDED(graph->QueryInterface(IID_IMediaFilter, timing.OutVoid()))) timing->SetSyncSource(nullptr);
        return true;
    }
    Close();
    return false;
}

bool FrameGrabGraph::ConnectVideo(IBaseFilter* source, IBaseFilter* grabberFilter, IBaseFilter* renderer) {
    ScopedCom<IPin> grabberIn, grabberOut, rendererIn;
    if (!FirstPin(grabberFilter, PINDIR_INPUT, &grabberIn) || !FirstPin(grabberFilter, PINDIR_OUTPUT, &grabberOut) ||
        !FirstPin(renderer, PINDIR_INPUT, &rendererIn))
        return false;
    // The graph puts in the splitter and whatever decodes the video to the grabber's RGB.
    ScopedCom<IEnumPins> pins;
    if (FAILED(source->EnumPins(pins.Out())) || !pins) return false;
    bool connected = false;
    ScopedCom<IPin> pin;
    while (!connected && NextPin(pins.Get(), PINDIR_OUTPUT, &pin))
        connected = SUCCEEDED(graph->Connect(pin.Get(), grabberIn.Get()));
    return connected && SUCCEEDED(graph->ConnectDirect(grabberOut.Get(), rendererIn.Get(), nullptr));
}

REFERENCE_TIME FrameGrabGraph::LastFrameTime() {
    REFERENCE_TIME duration = 0, frame = 0;
    if (FAILED(seeking->GetDuration(&duration)) || duration <= 0) return -1;
    ScopedMediaType type;
    if (SUCCEEDED(grabber->GetConnectedMediaType(type.Get())) && type.Get()->pbFormat &&
        type.Get()->cbFormat >= sizeof(VIDEOINFOHEADER))
        frame = reinterpret_cast<const VIDEOINFOHEADER*>(type.Get()->pbFormat)->AvgTimePerFrame;
    if (frame <= 0) frame = kFallbackFrameTime;
    return duration > frame ? duration - frame : 0;
}

bool FrameGrabGraph::ReadConnectedSize(LONG* width, LONG* height, bool* topDown) {
    ScopedMediaType type;
    if (FAILED(grabber->GetConnectedMediaType(type.Get()))) return false;
    const AM_MEDIA_TYPE& connected = *type.Get();
    if (connected.formattype != FORMAT_VideoInfo || !connected.pbFormat ||
        connected.cbFormat < sizeof(VIDEOINFOHEADER))
        return false;
    const BITMAPINFOHEADER& header = reinterpret_cast<const VIDEOINFOHEADER*>(connected.pbFormat)->bmiHeader;
    if (header.biBitCount != 24 || header.biWidth <= 0 || header.biHeight == 0) return false;
    *width = header.biWidth;
    *height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    *topDown = header.biHeight < 0;
    return true;
}

bool FrameGrabGraph::Grab(double seconds, std::vector<BYTE>* pixels, LONG* width, LONG* height, bool* topDown) {
    if (!IsOpen() || !pixels || !ReadConnectedSize(width, height, topDown)) return false;
    control->Stop();
    REFERENCE_TIME target = seconds > 0 ? static_cast<REFERENCE_TIME>(seconds * 10000000.0 + 0.5) : 0;
    seeking->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME);
    // A clip that played to its end rests on its last frame, and its position is the end, where
    // no frame starts: that frame is the one on screen.
    REFERENCE_TIME last = LastFrameTime();
    if (last >= 0 && target > last) target = last;
    seeking->SetPositions(&target, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
    OAFilterState state = State_Stopped;
    // Pausing completes once the renderer holds the first frame from the target on; by then the
    // grabber has a copy of it.
    bool paused = SUCCEEDED(control->Pause()) && control->GetState(kPauseWaitMs, &state) == S_OK && state == State_Paused;
    long size = 0;
    bool ok = paused && SUCCEEDED(grabber->GetCurrentBuffer(&size, nullptr)) && size > 0;
    uint64_t needed = static_cast<uint64_t>(BitmapRowStride(*width, 24)) * static_cast<uint64_t>(*height);
    if (ok && static_cast<uint64_t>(size) >= needed && needed > 0) {
        pixels->assign(static_cast<size_t>(size), 0);
        ok = SUCCEEDED(grabber->GetCurrentBuffer(&size, reinterpret_cast<long*>(pixels->data())));
    } else {
        ok = false;
    }
    control->Stop();
    return ok;
}

HRESULT FrameGrabGraph::GetGrabber(ISampleGrabber** out) {
    if (!out) return E_POINTER;
    *out = grabber.Get();
    if (!*out) return E_FAIL;
    (*out)->AddRef();
    return S_OK;
}

void FrameGrabGraph::Close() {
    if (control) control->Stop();
    seeking.Release();
    control.Release();
    grabber.Release();
    graph.Release();
}
