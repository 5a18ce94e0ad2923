// Settings kept between runs: each test stores what a previous run left, starts a real main
// window on the scratch key and looks at the window and at what closing it writes.
#include <cstring>
#include <map>
#include <string>

#include "MainWindowFixture.h"
#include "framework/Scoped.h"

namespace {
// Registry values by name, each as its type, a colon and its bytes.
using Values = std::map<std::string, std::string>;

std::string Dword(DWORD value) { return "4:" + std::string(reinterpret_cast<char*>(&value), 4); }
std::string Text(const char* text) { return "1:" + std::string(text, strlen(text) + 1); }
std::string Placement(RECT normal) {
    WINDOWPLACEMENT placement = {sizeof(placement), 0, SW_SHOWNORMAL, {}, {}, normal};
    return "3:" + std::string(reinterpret_cast<char*>(&placement), sizeof(placement));
}
}  // namespace

class MainWindowSettingsTest : public MainWindowTest {
protected:
    // Closes the window as the program does and reads everything it left under the key.
    Values CloseAndRead() {
        window->DestroyWindow();
        Values values;
        ScopedRegKey key;
        RegOpenKeyExA(HKEY_CURRENT_USER, kTestSettingsKey, 0, KEY_READ, key.Out());
        char name[256], data[512];
        DWORD nameSize = sizeof(name), dataSize = sizeof(data), type = 0;
        for (DWORD i = 0; RegEnumValueA(key.Get(), i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                                        &dataSize) == ERROR_SUCCESS;
             ++i, nameSize = sizeof(name), dataSize = sizeof(data))
            values[name] = std::to_string(type) + ":" + std::string(data, dataSize);
        return values;
    }
    // A next run, on what the last one left (or, fresh, on nothing) and the values given.
    void RestartWith(const Values& values = {}, bool fresh = false) {
        Restart([&] {
            if (fresh) RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettingsKey);
            ScopedRegKey key;
            RegCreateKeyExA(HKEY_CURRENT_USER, kTestSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, key.Out(), nullptr);
            for (const auto& [name, value] : values) {
                size_t colon = value.find(':');
                RegSetValueExA(key.Get(), name.c_str(), 0, std::stoul(value),
                               reinterpret_cast<const BYTE*>(value.data()) + colon + 1, static_cast<DWORD>(value.size() - colon - 1));
            }
        });
    }
};

TEST_F(MainWindowSettingsTest, FirstRunLeavesExactlyTheTenValuesUnderTheirNamesAndTheNextRunTakesThemBack) {
    Values values = CloseAndRead();
    EXPECT_EQ(2 + sizeof(WINDOWPLACEMENT), values["mframewnd"].size());
    values.erase("mframewnd");
    const Values expected = {
        {"showtoolbar", Dword(1)}, {"showseekslider", Dword(1)},   {"showstatusbar", Dword(1)},
        {"showplayproperty", Dword(0)}, {"showtopmost", Dword(0)}, {"showwndfixsize", Dword(0)},
        {"fullscreen", Dword(0)},  {"Nullscreen", Dword(0)},       {"videowndsizerate", Text("1.000000")},
    };
    EXPECT_EQ(expected, values);

    RestartWith({{"videowndsizerate", Text("2.000000")}, {"showtopmost", Dword(1)}, {"showplayproperty", Dword(5)}});
    EXPECT_TRUE(Checked(ID_SIZE_200) && Checked(ID_VIEW_TOPMOST) && Checked(ID_VIEW_INFOPANEL));
    values = CloseAndRead();
    EXPECT_EQ(Dword(1), values["showplayproperty"]);  // any nonzero flag is written as 1
    EXPECT_EQ(Text("2.000000"), values["videowndsizerate"]);
}

// A stored value that fails its check counts as none: the window comes up where and as a first
// run's does, with its bars; a rate that is no number fits no picture to the window.
TEST_F(MainWindowSettingsTest, AStoredValueThatFailsValidationGivesTheDefaultWindow) {
    const RECT first = WindowRectOf(window->m_hWnd);
    const std::string valid = Placement({60, 50, 560, 450});
    const struct { const char* what; Values stored; } cases[] = {
        {"placement off every monitor", {{"mframewnd", Placement({5000, 4000, 5400, 4300})}}},
        {"placement turned inside out", {{"mframewnd", Placement({560, 450, 60, 50})}}},
        {"placement short", {{"mframewnd", valid.substr(0, valid.size() - 4)}}},
        {"placement long", {{"mframewnd", valid + "xxxx"}}},
        {"flags as binary and short", {{"showtoolbar", "3:" + std::string(4, 0)}, {"showstatusbar", "4:" + std::string(2, 0)}}},
    };
    for (const auto& c : cases) {
        RestartWith(c.stored, true);
        RECT r = WindowRectOf(window->m_hWnd);
        EXPECT_TRUE(EqualRect(&first, &r)) << c.what;
        EXPECT_TRUE(IsWindowVisible(Child(IDC_TOOLBAR)) && IsWindowVisible(Child(IDC_STATUSBAR))) << c.what;
    }
    for (const char* rate : {"abc", "nan"}) {
        RestartWith({{"videowndsizerate", Text(rate)}}, true);
        ASSERT_TRUE(window->OpenMedia(TestMediaPath("clip.avi").c_str(), false));
        EXPECT_EQ(0, window->FitWindowToVideo()) << rate;
        for (UINT id : {ID_SIZE_50, ID_SIZE_100, ID_SIZE_200}) EXPECT_FALSE(Checked(id)) << rate;
    }
}

TEST_F(MainWindowSettingsTest, AModeOpenAtCloseComesBackFullScreenFirstAndTheCommandLineFilePlaysInIt) {
    Command(ID_VIEW_FRAMELESS);
    Values values = CloseAndRead();
    EXPECT_EQ(Dword(1), values["Nullscreen"]);
    EXPECT_EQ(Dword(0), values["fullscreen"]);
    RestartWith();
    EXPECT_TRUE(InWindowMode() && !InFullScreen());

    Command(ID_VIEW_FRAMELESS);
    Command(ID_VIEW_FULLSCREEN);
    ASSERT_TRUE(InFullScreen());
    std::string clip = TestMediaPath("clip.avi");
    commandLine = "\"" + TestScratchFolder("cmdline") + "\\not here.avi\" \"" + clip + "\"";
    RestartWith({{"Nullscreen", Dword(1)}});  // both stored: full screen wins
    EXPECT_TRUE(InFullScreen());
    EXPECT_TRUE(GetWindowLongW(window->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(L"clip.avi", PaneText(0));  // the first name that opens
    EXPECT_TRUE(Playing());
    window->CloseMedia();
    SendMessageW(window->m_hWnd, UM_AFTERINIT, 0, 0);  // played once only
    EXPECT_TRUE(NothingOpen());
}

TEST_F(MainWindowSettingsTest, ClosingMaximizedStoresTheNormalRectangleWhichComesBackNotMaximized) {
    SetWindowPos(window->m_hWnd, nullptr, 60, 50, 500, 400, SWP_NOZORDER);
    ShowWindow(window->m_hWnd, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(window->m_hWnd));
    std::string placement = CloseAndRead()["mframewnd"];
    ASSERT_EQ(2 + sizeof(WINDOWPLACEMENT), placement.size());
    const RECT normal = {60, 50, 560, 450};
    EXPECT_TRUE(EqualRect(&normal, reinterpret_cast<const RECT*>(placement.data() + 2 + 28)));

    RestartWith();
    EXPECT_FALSE(IsZoomed(window->m_hWnd));
    RECT r = WindowRectOf(window->m_hWnd);
    EXPECT_TRUE(EqualRect(&normal, &r));
}
