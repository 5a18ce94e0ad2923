#include "media/FirstFilterLook.h"

#include <windows.h>
#include <dshow.h>

#include "framework/Scoped.h"
#include "media/BoundedCall.h"
#include "media/directshow/DirectShowServices.h"

namespace {
bool claimed = false;
// Set once the look is over; kept for the life of the process, since a worker may set it late.
ScopedHandle lookDone;
}  // namespace

bool ClaimFirstFilterLook() {
    if (claimed) return false;
    lookDone.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    claimed = true;
    return true;
}

void RunFirstFilterLook() {
    ScopedCom<IFilterMapper2> mapper;
    ScopedCom<IEnumMoniker> found;
    if (SUCCEEDED(CreateFilterMapper(mapper.Out())) && mapper)
        mapper->EnumMatchingFilters(found.Out(), 0, FALSE, MERIT_DO_NOT_USE, FALSE, 0, nullptr, nullptr, nullptr,
                                    FALSE, FALSE, 0, nullptr, nullptr, nullptr);
    if (lookDone.IsValid()) SetEvent(lookDone.Get());
}

void AwaitFirstFilterLook() {
    if (claimed && lookDone.IsValid()) WaitWithinLimit(lookDone.Get());
}
