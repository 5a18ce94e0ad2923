// What the player remembers across runs: where each file was left, and the files opened last.
#include <winternl.h>

#include <vector>

#include "MainWindowFixture.h"
#include "framework/Scoped.h"

namespace {
// Raw bytes as another program may leave them: the documented call would add the missing
// terminator of a text (Wine's does), the native one does not.
void SetRawValue(HKEY key, const wchar_t* name, DWORD type, const void* bytes, DWORD size) {
    using SetValueKey = LONG(NTAPI*)(HANDLE, UNICODE_STRING*, ULONG, ULONG, const void*, ULONG);
    auto set = reinterpret_cast<SetValueKey>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtSetValueKey"));
    UNICODE_STRING text = {static_cast<USHORT>(wcslen(name) * sizeof(wchar_t)), 0, const_cast<wchar_t*>(name)};
    text.MaximumLength = text.Length;
    set(key, &text, 0, type, bytes, size);
}
}  // namespace

class HistoryTest : public MainWindowTest {
protected:
    // The File menu's recent-files submenu: its items' texts, or none while it is greyed.
    std::vector<std::wstring> RecentItems() const {
        HMENU file = GetSubMenu(GetMenu(window->m_hWnd), 0);
        int at = GetMenuItemCount(file) - 2;  // just above the exit item
        HMENU recent = GetSubMenu(file, at);
        std::vector<std::wstring> items;
        if (!recent || (GetMenuState(file, at, MF_BYPOSITION) & MF_GRAYED)) return items;
        for (int i = 0; i < GetMenuItemCount(recent); ++i) {
            wchar_t text[MAX_PATH] = {};
            GetMenuStringW(recent, i, text, MAX_PATH, MF_BYPOSITION);
            items.push_back(text);
        }
        return items;
    }
};

TEST_F(HistoryTest, AFileComesBackWhereItWasLeftUnlessStoppedOrNearlyWatched) {
    std::string movie = TestMediaPath("bars30.avi");  // 30 s
    const struct {
        uint32_t leftAt;
        bool stopped;
        int comesBackAt;
    } cases[] = {{20000, false, 20}, {20000, true, 0}, {29000, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        ASSERT_EQ(1, window->OpenMedia(movie.c_str(), false));
        window->SeekToPosition(c.leftAt);
        if (c.stopped) Command(ID_STOP);
        Restart();  // the place is kept as the window goes
        ASSERT_EQ(1, window->OpenMedia(movie.c_str(), false));
        EXPECT_TRUE(PumpUntil([&] { return ClockPosition() == c.comesBackAt; }, 3000)) << PaneText(1);
    }
}

TEST_F(HistoryTest, TheFilesOpenedLastAreListedNewestFirstUntilTheyNoLongerOpenOrTheListIsClearedAndNoneOfTheWrongShape) {
    std::string folder = TestScratchFolder("recent");
    for (const char* name : {"a.avi", "b&c.avi", "c.avi"}) {
        std::string path = folder + "\\" + name;
        ASSERT_TRUE(CopyFileA(TestMediaPath("clip.avi").c_str(), path.c_str(), FALSE));
        ASSERT_EQ(1, window->OpenMedia(path.c_str(), false));
    }
    Restart();
    EXPECT_EQ((std::vector<std::wstring>{L"&1 c.avi", L"&2 b&&c.avi", L"&3 a.avi", L"", L"履歴を消去"}), RecentItems());

    SendMessageW(window->m_hWnd, WM_MENUSELECT, MAKEWPARAM(ID_RECENT_FIRST + 1, MF_HILITE),
                 reinterpret_cast<LPARAM>(GetMenu(window->m_hWnd)));
    EXPECT_EQ(std::wstring(folder.begin(), folder.end()) + L"\\b&c.avi", PaneText(0));  // the whole path as its prompt
    Command(ID_RECENT_FIRST + 1);
    EXPECT_EQ(L"b&c.avi", PaneText(0));
    EXPECT_EQ(L"&1 b&&c.avi", RecentItems()[0]);

    DeleteFileA((folder + "\\a.avi").c_str());
    Command(ID_RECENT_FIRST + 2);
    EXPECT_TRUE(NothingOpen());
    EXPECT_EQ((std::vector<std::wstring>{L"&1 b&&c.avi", L"&2 c.avi", L"", L"履歴を消去"}), RecentItems());

    Command(ID_RECENT_CLEAR);
    EXPECT_TRUE(RecentItems().empty());
    Restart();
    EXPECT_TRUE(RecentItems().empty());

    // Stored values of the wrong shape read as absent.
    Restart([] {
        ScopedRegKey key;
        RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kTestSettingsKey) + "\\History").c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, key.Out(), nullptr);
        auto text = [&](const wchar_t* name, const std::wstring& value, size_t chars) {
            SetRawValue(key.Get(), name, REG_SZ, value.c_str(), static_cast<DWORD>(chars * sizeof(wchar_t)));
        };
        DWORD number = 7;
        SetRawValue(key.Get(), L"Recent1", REG_DWORD, &number, sizeof(number));
        text(L"Recent2", L"C:\\movies\\cut.avi", 17);  // no terminator
        text(L"Recent3", std::wstring(600, L'x'), 601);
        text(L"Recent4", L"C:\\movies\\good.avi", 19);
    });
    EXPECT_EQ((std::vector<std::wstring>{L"&1 good.avi", L"", L"履歴を消去"}), RecentItems());
}
