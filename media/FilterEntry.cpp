#include "media/FilterEntry.h"

#include <olectl.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "framework/Scoped.h"
#include "media/PathText.h"
#include "media/PinEntry.h"

namespace {
const int kNameBytes = 256;

// The filter's property pages, asked only of a filter that also tells its name (the frame's
// fallback caption). On success the caller frees pages->pElems.
bool QueryPages(IBaseFilter* filter, ScopedCom<ISpecifyPropertyPages>& specify, CAUUID* pages,
                WCHAR (&infoName)[MAX_FILTER_NAME]) {
    if (FAILED(filter->QueryInterface(IID_ISpecifyPropertyPages, specify.OutVoid())) || !specify) return false;
    FILTER_INFO info = {};
    if (FAILED(filter->QueryFilterInfo(&info))) return false;
    if (info.pGraph) info.pGraph->Release();
    memcpy(infoName, info.achName, sizeof(infoName));
    infoName[MAX_FILTER_NAME - 1] = L'\0';
    pages->cElems = 0;
    pages->pElems = nullptr;
    return SUCCEEDED(specify->GetPages(pages));
}

}  // namespace

FilterEntry::FilterEntry(IBaseFilter* filter, bool ownsFilter) : filter(filter), ownsFilter(ownsFilter) {
    RefreshPins();
    RefreshName();
}

FilterEntry::~FilterEntry() {
    free(name);
    name = nullptr;
    ClearPins();
    if (ownsFilter && filter) filter->Release();
    filter = nullptr;
}

int FilterEntry::RefreshPins() {
    if (!filter) return 0;
    ClearPins();
    ScopedCom<IEnumPins> pinEnum;
    if (FAILED(filter->EnumPins(pinEnum.Out())) || !pinEnum) return 0;
    IPin* pin = nullptr;
    while (pinEnum->Next(1, &pin, nullptr) == S_OK) {
        bool stored = AppendPin(pin);
        pin = nullptr;
        if (!stored) break;
    }
    return pinCount;
}

// Takes over the pin's reference whatever happens, so a failed growth loses nothing.
bool FilterEntry::AppendPin(IPin* pin) {
    void* grown = realloc(pins, sizeof(PinEntry*) * (pinCount + 1));
    if (!grown) {
        if (pin) pin->Release();
        return false;
    }
    pins = static_cast<PinEntry**>(grown);
    PinEntry* entry = new (std::nothrow) PinEntry(pin, true);
    if (!entry && pin) pin->Release();
    pins[pinCount++] = entry;
    return true;
}

void FilterEntry::ClearPins() {
    for (int i = 0; i < pinCount; ++i) delete pins[i];
    free(pins);
    pins = nullptr;
    pinCount = 0;
}

bool FilterEntry::RefreshName() {
    if (!filter) return false;
    FILTER_INFO info = {};
    if (FAILED(filter->QueryFilterInfo(&info))) return false;
    if (info.pGraph) info.pGraph->Release();
    info.achName[MAX_FILTER_NAME - 1] = L'\0';
    char narrow[kNameBytes] = {};
    WideCharToMultiByte(CP_ACP, 0, info.achName, -1, narrow, kNameBytes, nullptr, nullptr);
    narrow[kNameBytes - 1] = '\0';
    char* copy = static_cast<char*>(malloc(strlen(narrow) + 1));
    if (!copy) return false;
    strcpy(copy, narrow);
    free(name);
    name = copy;
    return true;
}

PinEntry* FilterEntry::GetNthPin(PIN_DIRECTION direction, int n) const {
    int seen = 0;
    for (int i = 0; i < pinCount; ++i) {
        PinEntry* entry = pins[i];
        if (!entry || entry->Direction() != static_cast<int>(direction)) continue;
        if (seen++ == n) return entry;
    }
    return nullptr;
}

bool FilterEntry::HasPropertyPages() const {
    if (!filter) return false;
    ScopedCom<ISpecifyPropertyPages> specify;
    CAUUID pages = {};
    WCHAR infoName[MAX_FILTER_NAME] = {};
    if (!QueryPages(filter, specify, &pages, infoName)) return false;
    bool result = pages.cElems > 0;
    CoTaskMemFree(pages.pElems);
    return result;
}

bool FilterEntry::ShowPropertyPages(HWND owner) const {
    if (!filter) return false;
    std::wstring caption = AnsiToWide(name);
    ScopedCom<ISpecifyPropertyPages> specify;
    CAUUID pages = {};
    WCHAR infoName[MAX_FILTER_NAME] = {};
    if (!QueryPages(filter, specify, &pages, infoName)) return false;
    bool shown = false;
    if (pages.cElems > 0) {
        IUnknown* object = filter;
        const WCHAR* title = caption.empty() ? infoName : caption.c_str();
        shown = SUCCEEDED(OleCreatePropertyFrame(owner, 0, 0, title, 1, &object, pages.cElems, pages.pElems, 0, 0,
                                                 nullptr));
    }
    CoTaskMemFree(pages.pElems);
    return shown;
}
