// The information panel inside a real main window: its filter list and property pages with
// the media tests' stand-in filters, its keys, its layout, and what it shows for real media.
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "media/FakeGraph.h"
#include "media/FilterList.h"
#include "panels/MediaInfoPanel.h"
#include "panels/PanelLayout.h"

class MediaInfoPanelTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        panel = Panel();
    }
    HWND Item(int id) const { return GetDlgItem(panel, id); }
    std::wstring Text(int id) const {
        wchar_t text[2048] = {};
        GetWindowTextW(Item(id), text, 2048);
        return text;
    }
    std::vector<std::wstring> Rows() const {
        std::vector<std::wstring> rows;
        for (int i = 0; i < SendMessageW(Item(IDC_FILTER_LIST), LB_GETCOUNT, 0, 0); ++i) {
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
    HWND panel = nullptr;
};

// The source filter (no input pin) is the file itself and gets no row; a double-click opens the
// pages of the row's own filter, wherever its input pin comes.
TEST_F(MediaInfoPanelTest, ListsTheFiltersWithInputAndEachRowOpensItsOwnFiltersPages) {
    FakeGraph services;  // logs each property frame with its caption and object
    FakePin in, out1, out2;
    out1.direction = out2.direction = PINDIR_OUTPUT;
    FakeFilter filters[2];
    FakePages pages[2];
    const std::vector<IPin*> pins[2] = {{&out1}, {&out2, &in}};
    SetDirectShowServices(&services);
    {
        MediaInfoPanel own;
        ASSERT_TRUE(own.Create(window));
        panel = own.m_hWnd;
        FilterList list;
        for (int i = 0; i < 2; ++i) {
            filters[i].name = i == 0 ? "Source" : "Decoder";
            filters[i].pins = pins[i];
            pages[i].pages = {IID_IUnknown};
            filters[i].pages = &pages[i];
            filters[i].AddRef();  // the reference the list takes over
            list.Add(&filters[i]);
        }
        own.SetFilterList(&list);
        EXPECT_EQ((std::vector<std::wstring>{L"Decoder"}), Rows());
        SendMessageW(Item(IDC_FILTER_LIST), LB_SETCURSEL, 0, 0);
        SendMessageW(panel, WM_COMMAND, MAKEWPARAM(IDC_FILTER_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(Item(IDC_FILTER_LIST)));
        own.SetFilterList(nullptr);
    }
    SetDirectShowServices(nullptr);
    EXPECT_EQ(Calls{"PropertyFrame(Decoder,Decoder,1)"}, TakeLog({"PropertyFrame"}));
    for (const FakeFilter& f : filters) EXPECT_EQ(0u, f.refs) << f.name;
}

TEST_F(MediaInfoPanelTest, ShowsTheOpenClipKeepsEscapeAndEnterAndItsCheckFollowsItsVisibility) {
    Command(ID_VIEW_INFOPANEL);
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_TRUE(Checked(ID_VIEW_INFOPANEL));

    ASSERT_TRUE(window->OpenMedia(TestMediaPath("clip.avi").c_str(), false));
    EXPECT_EQ(L"clip.avi", Text(IDC_FILE_NAME));
    std::wstring info = Text(IDC_INFO_TEXT);
    for (const wchar_t* part : {L"長さ             0:00:03\r\n", L"　ﾌﾚｰﾑｻｲｽﾞ       320×240\r\n",
                                L"　ﾁｬﾝﾈﾙ数        2 ch\r\n", L"　ｻﾝﾌﾟﾘﾝｸﾞﾚｰﾄ    44100 Hz\r\n",
                                L"　ﾋﾞｯﾄﾚｰﾄ        1411 kbps\r\n"})
        EXPECT_NE(std::wstring::npos, info.find(part)) << part;
    EXPECT_FALSE(Rows().empty());

    SetFocus(Item(IDC_FILTER_LIST));
    EXPECT_TRUE(KeyConsumed(VK_SPACE));
    EXPECT_TRUE(Playing());
    EXPECT_TRUE(KeyConsumed(VK_ESCAPE));
    EXPECT_TRUE(KeyConsumed(VK_RETURN));
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_TRUE(Playing());  // Esc did not reach the stop command either

    Command(ID_VIEW_INFOPANEL);
    EXPECT_FALSE(IsWindowVisible(panel));
    EXPECT_FALSE(Checked(ID_VIEW_INFOPANEL));
    window->CloseMedia();
    EXPECT_EQ(L"", Text(IDC_INFO_TEXT));
    EXPECT_TRUE(Rows().empty());

    // A panel too low for its list keeps twenty pixels for the information group.
    SetWindowPos(panel, nullptr, 0, 0, 220, 60, SWP_NOZORDER | SWP_NOMOVE);
    RECT group = WindowRectOf(Item(IDC_INFO_GROUP));
    EXPECT_EQ(20, group.bottom - group.top);
    // Both groups end the same margin short of the panel's right edge.
    RECT client = {};
    GetClientRect(panel, &client);
    MapWindowPoints(panel, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(client.right - kPanelMargin, group.right);
    EXPECT_EQ(group.right, WindowRectOf(Item(IDC_FILTER_GROUP)).right);
}
