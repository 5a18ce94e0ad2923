#include "media/BoundedRender.h"

#include <string>

#include "framework/Scoped.h"

// What the worker renders with: its own graph reference and its own copy of the path.
struct RenderJob {
    ScopedCom<IGraphBuilder> graph;
    std::wstring path;
    HRESULT result = E_FAIL;
};

bool BoundedRender::Start(IGraphBuilder* graph, const wchar_t* path, void (*first)()) {
    Finish();
    result = E_FAIL;
    if (!graph || !path) return false;
    try {
        job = std::make_shared<RenderJob>();
        job->path = path;
    } catch (...) {
        job.reset();
        return false;
    }
    graph->AddRef();
    *job->graph.Out() = graph;
    std::shared_ptr<RenderJob> render = job;
    auto work = [render, first] {
        if (first) first();
        render->result = render->graph->RenderFile(render->path.c_str(), nullptr);
    };
    if (call.Start(work)) return true;
    job.reset();
    return false;
}

HRESULT BoundedRender::Finish() {
    if (!job) return result;
    result = call.Finish() ? job->result : VFW_E_TIMEOUT;
    job.reset();
    return result;
}

HRESULT RenderFileWithinLimit(IGraphBuilder* graph, const wchar_t* path) {
    if (!graph || !path) return E_POINTER;
    BoundedRender render;
    if (!render.Start(graph, path)) return E_FAIL;
    return render.Finish();
}
