#pragma once
// The DirectShow graph of the one open file: built, steered and torn down here.
// Knows nothing of the main window beyond the window handle it places the video in.
#include <windows.h>
#include <dshow.h>

#include <cstdint>

#include "framework/Scoped.h"
#include "media/BoundedRender.h"
#include "media/FilterList.h"

enum SessionState {
    SessionClosed = 0,
    SessionRunning = 1,
    SessionPaused = 2,
    SessionCompleted = 3,  // reported by QueryState only
};

class PlaybackSession {
public:
    PlaybackSession();
    virtual ~PlaybackSession();
    PlaybackSession(const PlaybackSession&) = delete;
    PlaybackSession& operator=(const PlaybackSession&) = delete;

    // A head start for BuildGraph of the same file: a graph of its own is created and the file
    // rendered on a worker while the caller reads the file in other ways. That graph stays unseen
    // (no window, never paused or run) until BuildGraph takes it up; a head start for the file
    // already under way is kept. It is not the session's graph: Close leaves it, DropHeadStart
    // lets it go. False when no graph could be created, and BuildGraph then does it all itself.
    bool StartBuild(const char* path);
    // Waits for the head start's rendering: the rendered graph, or null.
    IGraphBuilder* FinishRender();
    void DropHeadStart();
    // videoRect null = the owner's whole client area. The caller closes the session first.
    bool BuildGraph(const char* path, HWND owner, const RECT* videoRect, LONGLONG start, LONGLONG stop,
                    bool startPaused);
    bool Close();
    bool Run();
    bool Pause();
    bool SeekTo(uint32_t milliseconds);
    // A paused graph presents the picture at its position once more; state and position stay.
    bool PresentAgain();
    // Never before 0 nor past the stop position, and never ahead of the time played (see
    // AnchorPosition).
    LONGLONG GetPosition();
    int QueryState();
    bool SetVideoRect(const RECT& rect);
    // The end-of-stream poll (200 ms): it runs from a build until the next build or the session's
    // destruction; closing leaves it running, a tick on a closed session does nothing.
    UINT_PTR StartTimer();
    bool StopTimer();
    // One poll of the end-of-stream timer.
    void Tick();

    IGraphBuilder* Graph() const { return graph.Get(); }
    // The graph's filters from the last successful build, until the session closes; the one list
    // of them, which the information panel borrows.
    const FilterList& Filters() const { return filters; }
    int State() const { return state; }

    // 100-ns reference time to milliseconds: truncated toward zero, low 32 bits.
    static uint32_t ToMilliseconds(LONGLONG time);

private:
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    bool CreateGraph(const char* path);
    bool TakeHeadStart();
    bool QueryControls();
    void AttachVideoWindow(HWND owner, const RECT& rect);
    void ApplyPositions(LONGLONG start, LONGLONG stop);
    bool FailBuild();
    void RemoveFiltersFromGraph();
    void ReleaseInterfaces();
    void AnchorPosition(LONGLONG position);
    void RestoreState();
    LONGLONG ShortOfStop(LONGLONG target);

    int state = SessionClosed;
    LONGLONG rememberedPosition = 0;
    // The position the session knew at the last build, pause, run or seek, and the graph's own
    // reading at that moment.
    LONGLONG anchorPosition = 0;
    LONGLONG anchorGraphPosition = 0;
    ScopedCom<IVideoWindow> videoWindow;
    ScopedCom<IMediaControl> mediaControl;
    ScopedCom<IMediaEvent> mediaEvent;
    ScopedCom<IMediaSeeking> mediaSeeking;
    ScopedCom<IGraphBuilder> graph;
    UINT_PTR timerId = 0;
    FilterList filters;
    // The file of the head start, its graph and its rendering.
    char headStartPath[MAX_PATH] = "";
    ScopedCom<IGraphBuilder> headGraph;
    BoundedRender headStart;
};
