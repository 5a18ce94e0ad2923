#include "media/PlaybackSession.h"

#include <cstring>

#include "media/BoundedCall.h"
#include "media/FilterEntry.h"
#include "media/FirstFilterLook.h"
#include "media/PathText.h"
#include "media/directshow/DirectShowServices.h"

namespace {
// The session whose end-of-stream timer runs. A thread timer carries no pointer of its own, so
// its ticks find the session here, and a session that goes away takes itself out first.
PlaybackSession* currentTimerSession = nullptr;

const UINT_PTR kTimerIdHint = 10;  // thread timers get their identifier from the system
const UINT kTimerPeriod = 200;
const LONGLONG kSeekEndMargin = 50000;  // 5 ms: a seek right onto the stop position shows nothing
const LONGLONG kTimePerMillisecond = 10000;
const long kSeekSettleMs = 500;
const long kWindowStyle = WS_CHILD | WS_CLIPSIBLINGS;
}  // namespace

PlaybackSession::PlaybackSession() = default;

PlaybackSession::~PlaybackSession() {
    // The timer would otherwise outlive the session and tick into freed memory.
    StopTimer();
    Close();
    DropHeadStart();
}

uint32_t PlaybackSession::ToMilliseconds(LONGLONG time) {
    return static_cast<uint32_t>(time / kTimePerMillisecond);
}

bool PlaybackSession::BuildGraph(const char* path, HWND owner, const RECT* videoRect, LONGLONG start, LONGLONG stop,
                                 bool startPaused) {
    if (state == SessionRunning) return false;
    // A paused graph left open by the caller would otherwise lose its references here.
    if (state != SessionClosed) Close();
    bool headStarted = path && headGraph && strcmp(headStartPath, path) == 0;
    if (!headStarted) DropHeadStart();  // of no use for another file
    // The build replaces the poll anyway; stopping it now keeps ticks out of a half-built graph
    // should anything in the build dispatch messages.
    StopTimer();
    state = SessionRunning;
    RECT rect = {};
    if (videoRect)
        rect = *videoRect;
    else
        GetClientRect(owner, &rect);
    if (!path || !(headStarted ? TakeHeadStart() : CreateGraph(path))) return FailBuild();

    mediaSeeking->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME);
    AttachVideoWindow(owner, rect);
    ApplyPositions(start, stop);
    // Until the first pause the graph's reading is right as it is.
    anchorPosition = anchorGraphPosition = 0;
    if (startPaused) {
        mediaControl->Pause();
        state = SessionPaused;
    } else {
        mediaControl->Run();
        state = SessionRunning;
    }
    StartTimer();
    filters.Clear();
    EnumerateFilters(graph.Get(), &filters);
    return true;
}

bool PlaybackSession::StartBuild(const char* path) {
    if (path && headGraph && strcmp(headStartPath, path) == 0) return true;
    DropHeadStart();
    WCHAR widePath[MAX_PATH] = {};
    if (!path || !WidePath(path, widePath)) return false;
    if (FAILED(CreateFilterGraph(headGraph.Out())) || !headGraph) return false;
    lstrcpynA(headStartPath, path, MAX_PATH);
    bool firstLook = ClaimFirstFilterLook();
    // A render that cannot begin leaves a head start that failed, as the render itself would have.
    if (!headStart.Start(headGraph.Get(), widePath, firstLook ? RunFirstFilterLook : nullptr) && firstLook)
        RunFirstFilterLook();
    return true;
}

IGraphBuilder* PlaybackSession::FinishRender() {
    return headGraph && SUCCEEDED(headStart.Finish()) ? headGraph.Get() : nullptr;
}

void PlaybackSession::DropHeadStart() {
    // Waited for, so nothing of a render still under way outlives its graph.
    headStart.Finish();
    headGraph.Release();
    headStartPath[0] = '\0';
}

bool PlaybackSession::TakeHeadStart() {
    bool rendered = FinishRender() != nullptr;
    *graph.Out() = rendered ? headGraph.Detach() : nullptr;
    DropHeadStart();
    return rendered && QueryControls();
}

bool PlaybackSession::CreateGraph(const char* path) {
    WCHAR widePath[MAX_PATH] = {};
    if (!WidePath(path, widePath)) return false;
    if (FAILED(CreateFilterGraph(graph.Out())) || !graph) return false;
    // A damaged file can keep the build from ever returning: it is then refused like any other.
    if (FAILED(RenderFileWithinLimit(graph.Get(), widePath))) return false;
    return QueryControls();
}

bool PlaybackSession::QueryControls() {
    if (FAILED(graph->QueryInterface(IID_IMediaControl, mediaControl.OutVoid())) || !mediaControl) return false;
    if (FAILED(graph->QueryInterface(IID_IVideoWindow, videoWindow.OutVoid())) || !videoWindow) return false;
    if (FAILED(graph->QueryInterface(IID_IMediaEvent, mediaEvent.OutVoid())) || !mediaEvent) return false;
    if (FAILED(graph->QueryInterface(IID_IMediaSeeking, mediaSeeking.OutVoid())) || !mediaSeeking) return false;
    return true;
}

// Audio-only graphs answer these calls too (with failures), so their results do not matter.
void PlaybackSession::AttachVideoWindow(HWND owner, const RECT& rect) {
    OAHWND ownerHandle = reinterpret_cast<OAHWND>(owner);
    videoWindow->put_Owner(ownerHandle);
    // Clicks and keys over the picture must reach the owner, not the renderer.
    videoWindow->put_MessageDrain(ownerHandle);
    videoWindow->put_WindowStyle(kWindowStyle);
    videoWindow->SetWindowPosition(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void PlaybackSession::ApplyPositions(LONGLONG start, LONGLONG stop) {
    bool applyStart = start != rememberedPosition;
    bool applyStop = stop > 0;
    if (!applyStart && !applyStop) return;
    LONGLONG current = start;
    LONGLONG end = stop;
    HRESULT hr = mediaSeeking->SetPositions(applyStart ? &current : nullptr,
                                            applyStart ? AM_SEEKING_AbsolutePositioning : AM_SEEKING_NoPositioning,
                                            applyStop ? &end : nullptr,
                                            applyStop ? AM_SEEKING_AbsolutePositioning : AM_SEEKING_NoPositioning);
    if (SUCCEEDED(hr) && applyStart) rememberedPosition = start;
}

bool PlaybackSession::FailBuild() {
    filters.Clear();
    Close();
    state = SessionClosed;
    return false;
}

bool PlaybackSession::Close() {
    if (mediaControl) mediaControl->Stop();
    if (videoWindow) {
        videoWindow->put_Visible(OAFALSE);
        videoWindow->put_Owner(0);
        videoWindow->put_MessageDrain(0);
        // Deliberately repeated: the owner is cleared again after the drain, so the renderer's
        // window is certainly detached from ours before the graph goes.
        videoWindow->put_Owner(0);
    }
    if (mediaSeeking && FAILED(mediaSeeking->GetCurrentPosition(&rememberedPosition))) rememberedPosition = 0;
    // A splitter frees its output pins as soon as its input is disconnected, whatever references
    // are still out on them, so ours must go back while every filter is still in the graph.
    filters.ClearPins();
    RemoveFiltersFromGraph();
    filters.Clear();
    ReleaseInterfaces();
    state = SessionClosed;
    return true;
}

// Our list holds the references the enumeration handed out; each goes back once its filter is out
// of the graph, and also when the graph refuses the removal, or the filter (and its file) stays alive.
void PlaybackSession::RemoveFiltersFromGraph() {
    if (!graph) return;
    int total = filters.Count();
    for (int i = 0; i < total; ++i) {
        FilterEntry* entry = filters.Item(i);
        if (!entry || !entry->Filter()) continue;
        graph->RemoveFilter(entry->Filter());
        entry->ReleaseFilter();
    }
}

void PlaybackSession::ReleaseInterfaces() {
    mediaSeeking.Release();
    mediaEvent.Release();
    videoWindow.Release();
    mediaControl.Release();
    graph.Release();
}

bool PlaybackSession::Run() {
    if (!mediaControl) return false;
    LONGLONG position = GetPosition();
    if (FAILED(mediaControl->Run())) return false;
    state = SessionRunning;
    AnchorPosition(position);
    return true;
}

bool PlaybackSession::Pause() {
    if (!mediaControl) return false;
    LONGLONG position = GetPosition();
    HRESULT hr = mediaControl->Pause();
    // A graph asked to pause is treated as paused even when it says no, so a toggle runs it next.
    state = SessionPaused;
    AnchorPosition(position);
    return SUCCEEDED(hr);
}

bool PlaybackSession::SeekTo(uint32_t milliseconds) {
    if (!mediaSeeking) return false;
    LONGLONG target = ShortOfStop(static_cast<LONGLONG>(milliseconds) * kTimePerMillisecond);
    bool stopped = mediaControl && SUCCEEDED(mediaControl->Stop());
    bool result = SUCCEEDED(
        mediaSeeking->SetPositions(&target, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning));
    if (result && mediaEvent) {
        long code = 0;
        mediaEvent->WaitForCompletion(kSeekSettleMs, &code);
    }
    if (stopped) RestoreState();
    // After a seek the graph's reading starts afresh at the target; after a failed one it is all
    // there is to go by.
    if (result) {
        AnchorPosition(target);
    } else {
        LONGLONG reading = 0;
        if (FAILED(mediaSeeking->GetCurrentPosition(&reading))) reading = 0;
        anchorPosition = anchorGraphPosition = reading;
    }
    return result;
}

// The renderer holds no frame once the stream has ended, so its window can only be painted again
// by a seek, which leaves the graph paused. The position is anchored where it was, as after any
// seek, so the displayed position does not move.
bool PlaybackSession::PresentAgain() {
    if (state != SessionPaused || !mediaSeeking) return false;
    LONGLONG position = GetPosition();
    LONGLONG target = ShortOfStop(position);
    if (FAILED(mediaSeeking->SetPositions(&target, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning)))
        return false;
    AnchorPosition(position);
    return true;
}

// A seek never lands closer than 5 ms to the stop position: a seek right onto it shows nothing.
LONGLONG PlaybackSession::ShortOfStop(LONGLONG target) {
    LONGLONG stopPosition = 0;
    mediaSeeking->GetStopPosition(&stopPosition);
    if (stopPosition > kSeekEndMargin && target > stopPosition - kSeekEndMargin) return stopPosition - kSeekEndMargin;
    return target;
}

// The state the graph had before a seek stopped it; the position is anchored by the seek itself.
void PlaybackSession::RestoreState() {
    if (state == SessionRunning)
        mediaControl->Run();
    else if (state == SessionPaused)
        mediaControl->Pause();
}

// Wine's graph adds the whole time played so far to its position at every pause, on top of what
// it had already counted (pauses after 2 s runs read 2, 6, 12, 20 s), while between two changes
// of state its reading moves exactly with the clock. So the session keeps the position itself:
// the one it knew at the last change of state, plus how far the graph's reading moved since.
void PlaybackSession::AnchorPosition(LONGLONG position) {
    anchorPosition = position;
    if (!mediaSeeking || FAILED(mediaSeeking->GetCurrentPosition(&anchorGraphPosition)))
        anchorGraphPosition = position;
}

LONGLONG PlaybackSession::GetPosition() {
    LONGLONG reading = 0;
    if (!mediaSeeking || FAILED(mediaSeeking->GetCurrentPosition(&reading))) return 0;
    LONGLONG position = anchorPosition + (reading - anchorGraphPosition);
    if (position < 0) position = 0;
    LONGLONG stopPosition = 0;
    if (SUCCEEDED(mediaSeeking->GetStopPosition(&stopPosition)) && stopPosition > 0 && position > stopPosition)
        position = stopPosition;
    return position;
}

int PlaybackSession::QueryState() {
    if (!mediaEvent) return SessionClosed;
    if (state == SessionRunning) {
        long code = 0;
        HRESULT hr = mediaEvent->WaitForCompletion(0, &code);
        if (hr == VFW_E_WRONG_STATE || code == EC_COMPLETE) return SessionCompleted;
        return SessionRunning;
    }
    return state == SessionPaused ? SessionPaused : SessionClosed;
}

bool PlaybackSession::SetVideoRect(const RECT& rect) {
    if (!videoWindow) return false;
    return SUCCEEDED(
        videoWindow->SetWindowPosition(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
}

UINT_PTR PlaybackSession::StartTimer() {
    StopTimer();
    timerId = SetTimer(nullptr, kTimerIdHint, kTimerPeriod, TimerProc);
    if (timerId) currentTimerSession = this;
    return timerId;
}

bool PlaybackSession::StopTimer() {
    if (timerId) KillTimer(nullptr, timerId);
    timerId = 0;
    // Another session's running timer keeps its claim.
    if (currentTimerSession == this) currentTimerSession = nullptr;
    return true;
}

// A tick already queued when the timer was killed still arrives here, so only the pointer counts.
void CALLBACK PlaybackSession::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    if (currentTimerSession) currentTimerSession->Tick();
}

void PlaybackSession::Tick() {
    int s = QueryState();
    if (s == SessionClosed) {
        Close();
    } else if (s == SessionCompleted) {
        Pause();
        // The stream has ended: whatever the count says, the position is the end.
        LONGLONG stopPosition = 0;
        if (mediaSeeking && SUCCEEDED(mediaSeeking->GetStopPosition(&stopPosition)) && stopPosition > 0)
            AnchorPosition(stopPosition);
    }
}
