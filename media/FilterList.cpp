#include "media/FilterList.h"

#include <new>

#include "framework/Scoped.h"
#include "media/FilterEntry.h"

FilterList::FilterList() = default;

FilterList::~FilterList() { Clear(); }

int FilterList::Add(IBaseFilter* filter) {
    ScopedCom<IBaseFilter> held(filter);
    // Room first: once the entry holds the reference, nothing may fail and drop it.
    try {
        items.reserve(items.size() + 1);
    } catch (...) {
        return -1;
    }
    FilterEntry* entry = new (std::nothrow) FilterEntry(held.Get());
    if (entry) held.Detach();
    items.emplace_back(entry);
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

int EnumerateFilters(IFilterGraph* graph, FilterList* list) {
    if (!graph || !list) return 0;
    ScopedCom<IEnumFilters> filterEnum;
    if (FAILED(graph->EnumFilters(filterEnum.Out())) || !filterEnum) return 0;
    int added = 0;
    IBaseFilter* filter = nullptr;
    ULONG fetched = 0;
    while (SUCCEEDED(filterEnum->Next(1, &filter, &fetched)) && fetched == 1) {
        if (list->Add(filter) >= 0) ++added;
        filter = nullptr;
        fetched = 0;
    }
    return added;
}
