#include "media/FilterList.h"

#include <cstdlib>
#include <new>

#include "framework/Scoped.h"
#include "media/FilterEntry.h"

FilterList::~FilterList() { Clear(); }

int FilterList::Add(IBaseFilter* filter, bool ownsFilter) {
    void* grown = realloc(items, sizeof(FilterEntry*) * (count + 1));
    if (!grown) return -1;
    items = static_cast<FilterEntry**>(grown);
    items[count] = new (std::nothrow) FilterEntry(filter, ownsFilter);
    ++count;
    return count - 1;
}

void FilterList::Clear() {
    for (int i = 0; i < count; ++i) delete items[i];
    free(items);
    items = nullptr;
    count = 0;
}

void FilterList::ClearPins() {
    for (int i = 0; i < count; ++i)
        if (items[i]) items[i]->ClearPins();
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
