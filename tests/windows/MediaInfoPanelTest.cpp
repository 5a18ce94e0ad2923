// The information panel inside a real main window: its filter list and property pages with
// stand-in filters, its keys, its layout, and what it shows for real media under Wine.
#include <dshow.h>
#include <olectl.h>

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
    ULONG refs = 0;
    explicit StandInPin(PIN_DIRECTION d) : direction(d) {}
    STDMETHOD(QueryInterface)(REFIID, void** out) override { *out = nullptr; return E_NOINTERFACE; }
    STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
    STDMETHOD_(ULONG, Release)() override { return --refs; }
    STDMETHOD(QueryDirection)(PIN_DIRECTION* out) override { *out = direction; return S_OK; }
    PANEL_FAKE_STUB(Connect, (IPin*, const AM_MEDIA_TYPE*)) PANEL_FAKE_STUB(ReceiveConnection, (IPin*, const AM_MEDIA_TYPE*))
    PANEL_FAKE_STUB(Disconnect, ()) PANEL_FAKE_STUB(ConnectedTo, (IPin**))
    PANEL_FAKE_STUB(ConnectionMediaType, (AM_MEDIA_TYPE*)) PANEL_FAKE_STUB(QueryPinInfo, (PIN_INFO*))
    PANEL_FAKE_STUB(QueryId, (LPWSTR*)) PANEL_FAKE_STUB(QueryAccept, (const AM_MEDIA_TYPE*))
    PANEL_FAKE_STUB(EnumMediaTypes, (IEnumMediaTypes**)) PANEL_FAKE_STUB(QueryInternalConnections, (IPin**, ULONG*))
    PANEL_FAKE_STUB(EndOfStream, ()) PANEL_FAKE_STUB(BeginFlush, ()) PANEL_FAKE_STUB(EndFlush, ())
    PANEL_FAKE_STUB(NewSegment, (REFERENCE_TIME, REFERENCE_TIME, double))
};

// A filter with a name, some pins and, when it has any, property pages; it counts how often
// its pages were asked for.
struct StandInFilter : IBaseFilter, ISpecifyPropertyPages, IEnumPins {
    std::wstring name;
    std::vector<StandInPin*> pins;
    size_t nextPin = 0;
    ULONG pageCount = 0;
    int pagesAsked = 0;
    ULONG refs = 0;

    STDMETHOD(QueryInterface)(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IBaseFilter) *out = static_cast<IBaseFilter*>(this);
        else if (riid == IID_ISpecifyPropertyPages && pageCount) *out = static_cast<ISpecifyPropertyPages*>(this);
        else *out = nullptr;
        if (!*out) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++refs; }
    STDMETHOD_(ULONG, Release)() override { return --refs; }
    STDMETHOD(GetPages)(CAUUID* pages) override {
        ++pagesAsked;
        pages->cElems = pageCount;
        pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(sizeof(GUID) * pageCount));
        for (ULONG i = 0; i < pageCount; ++i) CoCreateGuid(&pages->pElems[i]);  // no such page class
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
        if (*out) (*out)->AddRef();
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

// Whatever property frame opens is taken down at once, so a test never waits on it; its caption
// is kept to tell whose pages it showed. (Wine's frame has no owner: any other dialog counts.)
HWND frameOwner;
std::vector<std::wstring> framesSeen;
BOOL CALLBACK CloseFrame(HWND hwnd, LPARAM) {
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    if (hwnd != frameOwner && std::wstring(className) == L"#32770" && IsWindowVisible(hwnd)) {
        wchar_t title[256] = {};
        GetWindowTextW(hwnd, title, 256);
        framesSeen.push_back(title);
        DestroyWindow(hwnd);
    }
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
    void ListNotify(int row, WORD code) {
        SendMessageW(Item(IDC_FILTER_LIST), LB_SETCURSEL, row, 0);
        SendMessageW(Panel(), WM_COMMAND, MAKEWPARAM(IDC_FILTER_LIST, code),
                     reinterpret_cast<LPARAM>(Item(IDC_FILTER_LIST)));
    }
    // A key-down as the modal loop hands it on: to the focused control, then up the parents.
    bool KeyConsumed(WPARAM key) {
        MSG msg = {Item(IDC_FILTER_LIST), WM_KEYDOWN, key, 0x00390001, GetTickCount(), {0, 0}};
        return CWnd::WalkPreTranslateTree(window->m_hWnd, &msg);
    }
};

TEST_F(MediaInfoPanelTest, ListsTheFiltersWithInputAndEachRowOpensItsOwnFiltersPages) {
    StandInPin in1(PINDIR_INPUT), in2(PINDIR_INPUT), in3(PINDIR_INPUT), out1(PINDIR_OUTPUT), out2(PINDIR_OUTPUT);
    StandInFilter source, decoder, renderer, tee;
    source.name = L"Source";
    source.pins = {&out1};
    source.pageCount = 1;
    decoder.name = L"Decoder";
    decoder.pins = {&out2, &in1};  // the input pin need not come first
    decoder.pageCount = 2;
    renderer.name = L"Renderer";
    renderer.pins = {&in2};
    tee.name = L"Tee";
    tee.pins = {&in3};
    tee.pageCount = 1;
    {
        FilterList list;
        for (StandInFilter* f : {&source, &decoder, &renderer, &tee}) list.Add(f, false);
        window->infoPanel->SetFilterList(&list);
        EXPECT_EQ((std::vector<std::wstring>{L"Decoder", L"Renderer", L"Tee"}), Rows());
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_FILTER_SETTINGS)));  // nothing selected after a refill

        struct Step {
            int row;
            StandInFilter* filter;
            bool hasPages;
        };
        frameOwner = window->m_hWnd;
        framesSeen.clear();
        UINT_PTR timer = SetTimer(nullptr, 0, 100, CloseFrames);
        for (const Step& s : {Step{0, &decoder, true}, Step{1, &renderer, false}, Step{2, &tee, true}}) {
            ListNotify(s.row, LBN_SELCHANGE);
            EXPECT_EQ(s.hasPages, IsWindowEnabled(Item(IDC_FILTER_SETTINGS)) != FALSE) << s.row;
            int before[4] = {source.pagesAsked, decoder.pagesAsked, renderer.pagesAsked, tee.pagesAsked};
            ListNotify(s.row, LBN_DBLCLK);
            int after[4] = {source.pagesAsked, decoder.pagesAsked, renderer.pagesAsked, tee.pagesAsked};
            StandInFilter* all[4] = {&source, &decoder, &renderer, &tee};
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(all[i] == s.filter && s.hasPages ? before[i] + 1 : before[i], after[i]) << s.row << " " << i;
        }
        KillTimer(nullptr, timer);
        window->infoPanel->SetFilterList(nullptr);
        EXPECT_TRUE(Rows().empty());
        EXPECT_FALSE(IsWindowEnabled(Item(IDC_FILTER_SETTINGS)));
    }
    // Under Wine the frame opens (with none of the stand-in's page classes) captioned with the filter's name.
    ASSERT_EQ(2u, framesSeen.size());
    EXPECT_NE(std::wstring::npos, framesSeen[0].find(L"Decoder"));
    EXPECT_NE(std::wstring::npos, framesSeen[1].find(L"Tee"));
    for (StandInFilter* f : {&source, &decoder, &renderer, &tee}) EXPECT_EQ(0u, f->refs) << f->name.c_str();
}

TEST_F(MediaInfoPanelTest, EscapeAndEnterStayInThePanelWhileSpaceReachesPlayPause) {
    ASSERT_TRUE(window->OpenMedia(TestMediaPath("clip.avi").c_str(), false));
    ASSERT_NE(SessionRunning, window->session.QueryState());
    SetFocus(Item(IDC_FILTER_LIST));
    EXPECT_TRUE(KeyConsumed(VK_ESCAPE));
    EXPECT_TRUE(KeyConsumed(VK_RETURN));
    EXPECT_TRUE(IsWindow(Panel()));
    EXPECT_NE(SessionRunning, window->session.QueryState());  // Esc did not reach the stop command either
    EXPECT_TRUE(KeyConsumed(VK_SPACE));
    EXPECT_EQ(SessionRunning, window->session.QueryState());
}

TEST_F(MediaInfoPanelTest, ShowsTheOpenClipAndItsCheckFollowsItsVisibility) {
    EXPECT_FALSE(IsWindowVisible(Panel()));
    EXPECT_FALSE(Checked(ID_VIEW_INFOPANEL));
    SendMessageW(window->m_hWnd, WM_COMMAND, ID_VIEW_INFOPANEL, 0);
    EXPECT_TRUE(IsWindowVisible(Panel()));
    EXPECT_TRUE(Checked(ID_VIEW_INFOPANEL));
    RECT expected, actual;
    ASSERT_TRUE(window->InfoPanelRect(&expected));
    GetWindowRect(Panel(), &actual);
    MapWindowPoints(HWND_DESKTOP, window->m_hWnd, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_TRUE(EqualRect(&expected, &actual));

    ASSERT_TRUE(window->OpenMedia(TestMediaPath("clip.avi").c_str(), true));
    EXPECT_EQ(L"clip.avi", Text(IDC_FILE_NAME));
    std::wstring info = Text(IDC_INFO_TEXT);
    for (const wchar_t* part : {L"長さ             0:00:03\r\n", L"・Video\r\n", L"　ﾌﾚｰﾑｻｲｽﾞ       320×240\r\n",
                                L"fps\r\n", L"・Audio\r\n", L"　ﾁｬﾝﾈﾙ数        2 ch\r\n",
                                L"　ｻﾝﾌﾟﾘﾝｸﾞﾚｰﾄ    44100 Hz\r\n", L"　ﾋﾞｯﾄﾚｰﾄ        1411 kbps\r\n"})
        EXPECT_NE(std::wstring::npos, info.find(part)) << part;
    std::vector<std::wstring> rows = Rows();
    EXPECT_FALSE(rows.empty());
    for (const std::wstring& row : rows) EXPECT_NE(L"Reader", row);  // the source filter takes no input

    SendMessageW(window->m_hWnd, WM_COMMAND, ID_VIEW_INFOPANEL, 0);
    EXPECT_FALSE(IsWindowVisible(Panel()));
    EXPECT_FALSE(Checked(ID_VIEW_INFOPANEL));

    window->CloseMedia();
    EXPECT_EQ(L"", Text(IDC_FILE_NAME));
    EXPECT_EQ(L"", Text(IDC_INFO_TEXT));
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(IsWindowEnabled(Item(IDC_FILTER_SETTINGS)));
}

TEST_F(MediaInfoPanelTest, TheInformationGroupKeepsTwentyPixelsWhenThePanelIsLow) {
    auto rectOf = [&](int id) {
        RECT r = {};
        GetWindowRect(Item(id), &r);
        MapWindowPoints(HWND_DESKTOP, Panel(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    SetWindowPos(Panel(), nullptr, 0, 0, 220, 600, SWP_NOZORDER | SWP_NOMOVE);
    RECT group = rectOf(IDC_INFO_GROUP);
    EXPECT_EQ(215, group.right);
    EXPECT_EQ(595, group.bottom);
    RECT text = rectOf(IDC_INFO_TEXT);
    EXPECT_EQ(group.right - text.right, text.left - group.left);
    EXPECT_EQ(rectOf(IDC_FILE_NAME).right, text.right);

    SetWindowPos(Panel(), nullptr, 0, 0, 220, 60, SWP_NOZORDER | SWP_NOMOVE);
    group = rectOf(IDC_INFO_GROUP);
    EXPECT_EQ(20, group.bottom - group.top);
}
