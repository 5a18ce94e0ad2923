#include "media/FilterEntry.h"

#include <olectl.h>

#include <cstring>
#include <new>

#include "framework/AnsiChars.h"
#include "framework/Scoped.h"
#include "media/PathText.h"
#include "media/directshow/DirectShowServices.h"

namespace {
const int kNameBytes = 256;

// The filter's property pages, asked only of a filter that also tells its name (the frame's
// fallback caption). On success the caller frees pages->pElems.
bool QueryPages(IBaseFilter* filter, ScopedCom<ISpecifyPropertyPages>& specify, CAUUID* pages,
                WCHAR (&infoName)[MAX_FILTER_NAME]) {
    if (FAILED(filter->QueryInterface(IID_ISpecifyPropertyPages, specify.OutVoid())) || !specify) return false;
    FILTER_INFO info = {};
    if (FAILED(filter->QueryFilterInfo(&info))) return false;
    ScopedCom<IFilterGraph> infoGraph(info.pGraph);  // the info's graph reference is ours to give back
    memcpy(infoName, info.achName, sizeof(infoName));
    infoName[MAX_FILTER_NAME - 1] = L'\0';
    pages->cElems = 0;
    pages->pElems = nullptr;
    return SUCCEEDED(specify->GetPages(pages));
}

}  // namespace

FilterEntry::FilterEntry(IBaseFilter* filter) : filter(filter) {
    RefreshPins();
    RefreshName();
}

FilterEntry::~FilterEntry() { ReleaseFilter(); }

void FilterEntry::ReleaseFilter() {
    ClearPins();
    filter.Release();
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
    return PinCount();
}

// Takes over the pin's reference whatever happens, so a failed growth loses nothing.
bool FilterEntry::AppendPin(IPin* pin) {
    ScopedCom<IPin> held(pin);
    try {
        pins.reserve(pins.size() + 1);
    } catch (...) {
        return false;
    }
    PinEntry* entry = new (std::nothrow) PinEntry(held.Get());
    if (entry) held.Detach();
    pins.emplace_back(entry);
    return true;
}

// In enumeration order, as the pins were handed out.
void FilterEntry::ClearPins() {
    for (std::unique_ptr<PinEntry>& pin : pins) pin.reset();
    pins.clear();
}

bool FilterEntry::RefreshName() {
    if (!filter) return false;
    FILTER_INFO info = {};
    if (FAILED(filter->QueryFilterInfo(&info))) return false;
    ScopedCom<IFilterGraph> infoGraph(info.pGraph);
    info.achName[MAX_FILTER_NAME - 1] = L'\0';
    // Converted whole, then cut to its 256 bytes between characters: a UTF-8 name may not fit,
    // and a conversion that runs out of room leaves no telling what it wrote.
    char whole[4 * MAX_FILTER_NAME] = {};
    WideCharToMultiByte(CP_ACP, 0, info.achName, -1, whole, sizeof(whole), nullptr, nullptr);
    char narrow[kNameBytes] = {};
    memcpy(narrow, whole, WholeCharPrefix(whole, kNameBytes - 1, AnsiCharRule()));
    try {
        name = narrow;
    } catch (...) {
        return false;
    }
    named = true;
    return true;
}

PinEntry* FilterEntry::GetNthPin(PIN_DIRECTION direction, int n) const {
    int seen = 0;
    for (const std::unique_ptr<PinEntry>& entry : pins) {
        if (!entry || entry->Direction() != static_cast<int>(direction)) continue;
        if (seen++ == n) return entry.get();
    }
    return nullptr;
}

bool FilterEntry::HasPropertyPages() const {
    if (!filter) return false;
    ScopedCom<ISpecifyPropertyPages> specify;
    CAUUID pages = {};
    WCHAR infoName[MAX_FILTER_NAME] = {};
    if (!QueryPages(filter.Get(), specify, &pages, infoName)) return false;
    bool result = pages.cElems > 0;
    CoTaskMemFree(pages.pElems);
    return result;
}

bool FilterEntry::ShowPropertyPages(HWND owner) const {
    if (!filter) return false;
    std::wstring caption = AnsiToWide(Name());
    ScopedCom<ISpecifyPropertyPages> specify;
    CAUUID pages = {};
    WCHAR infoName[MAX_FILTER_NAME] = {};
    if (!QueryPages(filter.Get(), specify, &pages, infoName)) return false;
    bool shown = false;
    if (pages.cElems > 0) {
        const WCHAR* title = caption.empty() ? infoName : caption.c_str();
        shown = SUCCEEDED(ShowPropertyFrame(owner, title, filter.Get(), pages));
    }
    CoTaskMemFree(pages.pElems);
    return shown;
}
