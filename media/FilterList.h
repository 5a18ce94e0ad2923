#pragma once
// The filters of a graph, in the order they were added.
#include <windows.h>
#include <dshow.h>

#include <memory>
#include <vector>

#include "media/FilterEntry.h"

class FilterList {
public:
    FilterList();
    virtual ~FilterList();
    FilterList(const FilterList&) = delete;
    FilterList& operator=(const FilterList&) = delete;

    // Takes over the caller's reference. Index of the new slot, or -1 when the array cannot grow
    // (the list is then unchanged and the reference given back).
    int Add(IBaseFilter* filter);
    void Clear();
    // Gives back every entry's pins and keeps the filters: pins must not outlive their filter's
    // place in the graph (a splitter frees its output pins when its input is disconnected).
    void ClearPins();
    int Count() const { return static_cast<int>(items.size()); }
    FilterEntry* Item(int index) const { return index >= 0 && index < Count() ? items[index].get() : nullptr; }

private:
    // In the order of adding; a slot is empty when its entry could not be made.
    std::vector<std::unique_ptr<FilterEntry>> items;
};

// Appends every filter of the graph; each entry holds the reference the enumeration handed out.
int EnumerateFilters(IFilterGraph* graph, FilterList* list);
