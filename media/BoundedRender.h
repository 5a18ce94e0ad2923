#pragma once
// IGraphBuilder::RenderFile on a worker under the time limit of BoundedCall, begun now and answered
// later, so the graph is built while the file is read elsewhere.
#include <windows.h>
#include <dshow.h>

#include <memory>

#include "media/BoundedCall.h"

struct RenderJob;

class BoundedRender {
public:
    BoundedRender() = default;
    ~BoundedRender() = default;
    BoundedRender(const BoundedRender&) = delete;
    BoundedRender& operator=(const BoundedRender&) = delete;

    // False when the render could not begin (it then never runs). first, when given, runs on the
    // worker before the render.
    bool Start(IGraphBuilder* graph, const wchar_t* path, void (*first)() = nullptr);
    // The result of RenderFile, the same at every call until the next start; VFW_E_TIMEOUT when
    // given up on (the graph then stays with the abandoned call, which holds a reference of its
    // own), E_FAIL when nothing was started.
    HRESULT Finish();

private:
    BoundedCall call;
    std::shared_ptr<RenderJob> job;
    HRESULT result = E_FAIL;
};

// Start and Finish at once.
HRESULT RenderFileWithinLimit(IGraphBuilder* graph, const wchar_t* path);
