// The information panel inside a real main window: its filter list and property pages with
// stand-in filters, its keys, its layout, and what it shows for real media under Wine.
#include <dshow.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "media/FilterList.h"
#include "panels/MediaInfoPanel.h"

namespace {

#define PANEL_FAKE_STUB(name, args) \
    STDMETHOD(name) args override { return E_NOTIMPL; }

// A pin that says only which way it points. The test owns it; releases never delete.
struct StandInPin : IPin {
    PIN_DIRECTION direction;
    explicit StandInPin(PIN_DIRECTION d) : direction(d) {}
    STDMETHOD(QueryInterface)(REFIID, void** out) override { *out = nullptr; return E_NOINTERFACE; }
    STDMETHOD_(ULONG, AddRef)() override { return 1; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(QueryDirection)(PIN_DIRECTION* out) override { *out = direction; return S_OK; }
    PANEL_FAKE_STUB(Connect, (IPin*, const AM_MEDIA_TYPE*)) PANEL_FAKE_STUB(ReceiveConnection, (IPin*, const AM_MEDIA_TYPE*))
    PANEL_FAKE_STUB(Disconnect, ()) PANEL_FAKE_STUB(ConnectedTo, (IPin**))
    PANEL_FAKE_STUB(ConnectionMediaType, (AM_MEDIA_TYPE*)) PANEL_FAKE_STUB(QueryPinInfo, (PIN_INFO*))
    PANEL_FAKE_STUB(QueryId, (LPWSTR*)) PANEL_FAKE_STUB(QueryAccept, (const AM_MEDIA_TYPE*))
    PANEL_FAKE_STUB(EnumMediaTypes, (IEnumMediaTypes**)) PANEL_FAKE_STUB(QueryInternalConnections, (IPin**, ULONG*))
    PANEL_FAKE_STUB(EndOfStream, ()) PANEL_FAKE_STUB(BeginFlush, ()) PANEL_FAKE_STUB(EndFlush, ())
    PANEL_FAKE_STUB(NewSegment, (REFERENCE_TIME, REFERENCE_TIME, double))
};

// A filter with a name, some pins and one property page; it counts how often its pages were asked for.
struct StandInFilter : IBaseFilter, ISpecifyPropertyPages, IEnumPins {
    std::wstring name;
    std::vector<StandInPin*> pins;
    size_t nextPin = 0;
    int pagesAsked = 0;
    ULONG refs = 0;

    STDMETHOD(QueryInterface)(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IBaseFilter) *out = static_cast<IBaseFilter*>(this);
        else if (riid == IID_ISpecifyPropertyPages) *out = static_cast<ISpecifyPropertyPages*>(this);
        else *out = nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
    STDMETHOD_(ULONG, Release)() override { return --refs; }
    STDMETHOD(GetPages)(CAUUID* pages) override {
        ++pagesAsked;
        pages->cElems = 1;
        pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID)));
        CoCreateGuid(pages->pElems);  // no such page class
        return S_OK;
    }
    STDMETHOD(EnumPins)(IEnumPins** out) override {
        nextPin = 0;
        *out = this;
        AddRef();
        return S_OK;
    }
    STDMETHOD(Next)(ULONG, IPin** out, ULONG* fetched) override {
        bool more = nextPin < pins.size();
        *out = more ? pins[nextPin++] : nullptr;
        if (fetched) *fetched = more ? 1 : 0;
        return more ? S_OK : S_FALSE;
    }
    STDMETHOD(QueryFilterInfo)(FILTER_INFO* info) override {
        lstrcpynW(info->achName, name.c_str(), MAX_FILTER_NAME);
        info->pGraph = nullptr;
        return S_OK;
    }
    PANEL_FAKE_STUB(Skip, (ULONG)) PANEL_FAKE_STUB(Reset, ()) PANEL_FAKE_STUB(Clone, (IEnumPins**))
    PANEL_FAKE_STUB(GetClassID, (CLSID*)) PANEL_FAKE_STUB(Stop, ()) PANEL_FAKE_STUB(Pause, ())
    PANEL_FAKE_STUB(Run, (REFERENCE_TIME)) PANEL_FAKE_STUB(GetState, (DWORD, FILTER_STATE*))
    PANEL_FAKE_STUB(SetSyncSource, (IReferenceClock*)) PANEL_FAKE_STUB(GetSyncSource, (IReferenceClock**))
    PANEL_FAKE_STUB(FindPin, (LPCWSTR, IPin**)) PANEL_FAKE_STUB(JoinFilterGraph, (IFilterGraph*, LPCWSTR))
    PANEL_FAKE_STUB(QueryVendorInfo, (LPWSTR*))
};

// Whatever property frame opens is taken down at once, so a test never waits on it.
// (Wine's frame has no owner: any other dialog counts.)
HWND frameOwner;
BOOL CALLBACK CloseFrame(HWND hwnd, LPARAM) {
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    if (hwnd != frameOwner && std::wstring(className) == L"#32770" && IsWindowVisible(hwnd)) DestroyWindow(hwnd);
    return TRUE;
}
void CALLBACK CloseFrames(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CloseFrame, 0); }

}  // namespace

class MediaInfoPanelTest : public MainWindowTest {
protected:
    HWND Panel() const { return window->infoPanel->m_hWnd; }
    HWND Item(int id) const { return GetDlgItem(Panel(), id); }
    std::wstring Text(int id) const {
        wchar_t text[2048] = {};
        GetWindowTextW(Item(id), text, 2048);
        return text;
    }
    std::vector<std::wstring> Rows() const {
        std::vector<std::wstring> rows;
        int count = static_cast<int>(SendMessageW(Item(IDC_FILTER_LIST), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t row[256] = {};
            SendMessageW(Item(IDC_FILTER_LIST), LB_GETTEXT, i, reinterpret_cast<LPARAM>(row));
            rows.push_back(row);
        }
        return rows;
    }
    // A key-down as the modal loop hands it on: to the focused control, then up the parents.
    bool KeyConsumed(WPARAM key) {
        MSG msg = {Item(IDC_FILTER_LIST), WM_KEYDOWN, key, 0x00390001, GetTickCount(), {0, 0}};
        return CWnd::WalkPreTranslateTree(window->m_hWnd, &msg);
    }
};

TEST_F(MediaInfoPanelTest, ListsTheFiltersWithInputAndEachRowOpensItsOwnFiltersPages) {
    StandInPin in1(PINDIR_INPUT), in2(PINDIR_INPUT), out1(PINDIR_OUTPUT), out2(PINDIR_OUTPUT);
    StandInFilter source, decoder, renderer;
    source.name = L"Source";
    source.pins = {&out1};
    decoder.name = L"Decoder";
    decoder.pins = {&out2, &in1};  // the input pin need not come first
    renderer.name = L"Renderer";
    renderer.pins = {&in2};
    StandInFilter* all[3] = {&source, &decoder, &renderer};
    {
        FilterList list;
        for (StandInFilter* f : all) list.Add(f, false);
        window->infoPanel->SetFilterList(&list);
        EXPECT_EQ((std::vector<std::wstring>{L"Decoder", L"Renderer"}), Rows());

        frameOwner = window->m_hWnd;
        UINT_PTR timer = SetTimer(nullptr, 0, 100, CloseFrames);
        for (int row : {1, 0}) {
            SendMessageW(Item(IDC_FILTER_LIST), LB_SETCURSEL, row, 0);
            SendMessageW(Panel(), WM_COMMAND, MAKEWPARAM(IDC_FILTER_LIST, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(Item(IDC_FILTER_LIST)));
        }
        KillTimer(nullptr, timer);
        window->infoPanel->SetFilterList(nullptr);
    }
    EXPECT_EQ(0, source.pagesAsked);
    EXPECT_EQ(1, decoder.pagesAsked);
    EXPECT_EQ(1, renderer.pagesAsked);
    for (StandInFilter* f : all) EXPECT_EQ(0u, f->refs) << f->name.c_str();
}

TEST_F(MediaInfoPanelTest, EscapeAndEnterStayInThePanelWhileSpaceReachesPlayPause) {
    ASSERT_TRUE(window->OpenMedia(TestMediaPath("clip.avi").c_str(), false));
    SetFocus(Item(IDC_FILTER_LIST));
    EXPECT_TRUE(KeyConsumed(VK_ESCAPE));
    EXPECT_TRUE(KeyConsumed(VK_RETURN));
    EXPECT_TRUE(IsWindow(Panel()));
    EXPECT_NE(SessionRunning, window->session.QueryState());  // Esc did not reach the stop command either
    EXPECT_TRUE(KeyConsumed(VK_SPACE));
    EXPECT_EQ(SessionRunning, window->session.QueryState());
}

TEST_F(MediaInfoPanelTest, ShowsTheOpenClipAndItsCheckFollowsItsVisibility) {
    SendMessageW(window->m_hWnd, WM_COMMAND, ID_VIEW_INFOPANEL, 0);
    EXPECT_TRUE(IsWindowVisible(Panel()));
    EXPECT_TRUE(Checked(ID_VIEW_INFOPANEL));

    ASSERT_TRUE(window->OpenMedia(TestMediaPath("clip.avi").c_str(), true));
    EXPECT_EQ(L"clip.avi", Text(IDC_FILE_NAME));
    std::wstring info = Text(IDC_INFO_TEXT);
    for (const wchar_t* part : {L"長さ             0:00:03\r\n", L"　ﾌﾚｰﾑｻｲｽﾞ       320×240\r\n",
                                L"　ﾁｬﾝﾈﾙ数        2 ch\r\n", L"　ｻﾝﾌﾟﾘﾝｸﾞﾚｰﾄ    44100 Hz\r\n",
                                L"　ﾋﾞｯﾄﾚｰﾄ        1411 kbps\r\n"})
        EXPECT_NE(std::wstring::npos, info.find(part)) << part;
    EXPECT_FALSE(Rows().empty());

    SendMessageW(window->m_hWnd, WM_COMMAND, ID_VIEW_INFOPANEL, 0);
    EXPECT_FALSE(IsWindowVisible(Panel()));
    EXPECT_FALSE(Checked(ID_VIEW_INFOPANEL));
    window->CloseMedia();
    EXPECT_EQ(L"", Text(IDC_INFO_TEXT));
    EXPECT_TRUE(Rows().empty());
}

TEST_F(MediaInfoPanelTest, TheInformationGroupKeepsTwentyPixelsWhenThePanelIsLow) {
    SetWindowPos(Panel(), nullptr, 0, 0, 220, 60, SWP_NOZORDER | SWP_NOMOVE);
    RECT group = {};
    GetWindowRect(Item(IDC_INFO_GROUP), &group);
    EXPECT_EQ(20, group.bottom - group.top);
}
