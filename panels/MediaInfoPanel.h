#pragma once
// The side panel of the main window: the open graph's filters that take input, with their
// property pages, and the open file's icon, name, length and stream details. The panel only
// reads what the main window hands it and keeps no data of its own.
#include "framework/CDialog.h"
#include "media/CurrentMedia.h"
#include "media/FilterList.h"

class MediaInfoPanel : public CDialog {
public:
    MediaInfoPanel();
    ~MediaInfoPanel() override;

    // A child of parent from template 131, hidden until the parent shows it.
    bool Create(CWnd* parent);
    // Both may be null (nothing open); the main window clears them before it changes what they point to.
    void SetFilterList(const FilterList* list);
    // 1 when a text was composed, 0 otherwise.
    int SetMedia(const CurrentMedia* record);
    void Relayout();

    bool PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    // The panel never closes itself, whatever sends the dialog's OK or Cancel.
    void OnOK() override {}
    void OnCancel() override {}

    enum PagesMode { QueryPages, OpenPages };
    // Whether the selected row's filter has property pages, or shows them.
    bool SelectedFilterPages(PagesMode mode);

protected:
    void OnPaint() override;

private:
    void FillFilterList();
    void UpdateSettingsButton();
    int ComposeInfoText();
    void DrawFileIcon(HDC dc);

    const FilterList* filterList = nullptr;
    const CurrentMedia* media = nullptr;
};
