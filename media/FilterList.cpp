#include "media/FilterList.h"

#include <new>

#include "framework/Scoped.h"
#include "media/FilterEntry.h"

FilterList::FilterList() = default;

FilterList::~FilterList() { Clear(); }

int FilterList::Add(IBaseFilter* filter, bool ownsFilter) {
    // Room first: once the entry holds an owned reference, nothing may fail and drop it.
    try {
        items.reserve(items.size() + 1);
    } catch (...) {
        return -1;
    }
    items.emplace_back(new (std::nothrow) FilterEntry(filter, ownsFilter));
    return Count() - 1;
}

// In index order: the entries give their references back in the order they were added.
void FilterList::Clear() {
    for (std::unique_ptr<FilterEntry>& entry : items) entry.reset();
    items.clear();
}

void FilterList::ClearPins() {
    for (std::unique_ptr<FilterEntry>& entry : items)
        if (entry) entry->ClearPins();
}

int EnumerateFilters(IFilterGraph* graph, FilterList* list, bool owning) {
    if (!graph || !list) return 0;
    ScopedCom<IEnumFilters> filterEnum;
    if (FAILED(graph->EnumFilters(filterEnum.Out())) || !filterEnum) return 0;
    int added = 0;
    IBaseFilter* filter = nullptr;
    ULONG fetched = 0;
    while (SUCCEEDED(filterEnum->Next(1, &filter, &fetched)) && fetched == 1) {
        int index = list->Add(filter, owning);
        // A reference that no entry holds would keep the filter (and its file) alive for good.
        if ((index < 0 || !list->Item(index)) && filter) filter->Release();
        if (index >= 0) ++added;
        filter = nullptr;
        fetched = 0;
    }
    return added;
}
