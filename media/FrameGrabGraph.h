#pragma once
// A private graph that decodes one file's video into 24-bit RGB for still frames: source and
// splitter, the sample grabber and a null renderer. Seeking and pausing leave the frame at the
// asked time in the grabber's buffer.
#include <windows.h>
#include <dshow.h>
#include <qedit.h>

#include <string>
#include <vector>

#include "framework/Scoped.h"

class DirectShowServices;

class FrameGrabGraph {
public:
    FrameGrabGraph() = default;
    ~FrameGrabGraph();
    FrameGrabGraph(const FrameGrabGraph&) = delete;
    FrameGrabGraph& operator=(const FrameGrabGraph&) = delete;

    // Builds the graph for path; false leaves nothing behind.
    bool Open(DirectShowServices& services, const wchar_t* path);
    bool IsOpen() const { return static_cast<bool>(grabber); }
    // The frame at seconds as the grabber holds it: bottom-up 24-bit rows unless topDown.
    bool Grab(double seconds, std::vector<BYTE>* pixels, LONG* width, LONG* height, bool* topDown);
    // The grabber, with one reference for the caller.
    HRESULT GetGrabber(ISampleGrabber** out);
    void Close();

private:
    bool ConnectVideo(IBaseFilter* source, IBaseFilter* grabberFilter, IBaseFilter* renderer);
    // Where the last frame starts; -1 when the length is unknown.
    REFERENCE_TIME LastFrameTime();
    bool ReadConnectedSize(LONG* width, LONG* height, bool* topDown);

    ScopedCom<IGraphBuilder> graph;
    ScopedCom<ISampleGrabber> grabber;
    ScopedCom<IMediaControl> control;
    ScopedCom<IMediaSeeking> seeking;
};
