// Settings kept between runs: each test stores what a previous run left, starts a real main
// window on the scratch key and looks at the window and at what closing it writes.
#include <map>
#include <string>

#include "MainWindowFixture.h"
#include "controls/MainToolBar.h"

namespace {
struct StoredValue {
    DWORD type;
    std::string bytes;
};
using StoredValues = std::map<std::string, StoredValue>;

StoredValues ReadAllValues() {
    StoredValues values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kTestSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof(name);
        BYTE data[512];
        DWORD dataSize = sizeof(data);
        DWORD type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
        values[name] = {type, std::string(reinterpret_cast<char*>(data), dataSize)};
    }
    RegCloseKey(key);
    return values;
}

std::string DwordBytes(DWORD value) { return std::string(reinterpret_cast<char*>(&value), 4); }

std::string PlacementBytes(RECT normal) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = normal;
    return std::string(reinterpret_cast<char*>(&placement), sizeof(placement));
}
}  // namespace

class MainWindowSettingsTest : public MainWindowTest {
protected:
    // Closes the window as the program does, keeping what it wrote.
    StoredValues CloseAndRead() {
        window->DestroyWindow();
        return ReadAllValues();
    }
    // A next run, on what the last one left and the values given.
    void RestartWith(const StoredValues& values = {}) {
        window->DestroyWindow();
        delete window;
        for (const auto& [name, value] : values) {
            HKEY key = nullptr;
            RegCreateKeyExA(HKEY_CURRENT_USER, kTestSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
            RegSetValueExA(key, name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.bytes.data()),
                           static_cast<DWORD>(value.bytes.size()));
            RegCloseKey(key);
        }
        Start();
    }
};

TEST_F(MainWindowSettingsTest, FirstRunLeavesExactlyTheTenValuesUnderTheirNames) {
    StoredValues values = CloseAndRead();
    ASSERT_EQ(10u, values.size());
    const std::map<std::string, StoredValue> expected = {
        {"showtoolbar", {REG_DWORD, DwordBytes(1)}},      {"showseekslider", {REG_DWORD, DwordBytes(1)}},
        {"showstatusbar", {REG_DWORD, DwordBytes(1)}},    {"showplayproperty", {REG_DWORD, DwordBytes(0)}},
        {"showtopmost", {REG_DWORD, DwordBytes(0)}},      {"showwndfixsize", {REG_DWORD, DwordBytes(0)}},
        {"fullscreen", {REG_DWORD, DwordBytes(0)}},       {"Nullscreen", {REG_DWORD, DwordBytes(0)}},
        {"videowndsizerate", {REG_SZ, std::string("1.000000", 9)}},
    };
    for (const auto& [name, value] : expected) {
        ASSERT_EQ(1u, values.count(name)) << name;  // names as written, "Nullscreen" with its capital
        EXPECT_EQ(value.type, values[name].type) << name;
        EXPECT_EQ(value.bytes, values[name].bytes) << name;
    }
    EXPECT_EQ(44u, values["mframewnd"].bytes.size());
}

TEST_F(MainWindowSettingsTest, BadValuesReadAsAbsentAndTheRateAsZeroWithoutStoppingStartUp) {
    RestartWith({{"showtoolbar", {REG_BINARY, DwordBytes(0)}},
                 {"showstatusbar", {REG_SZ, std::string("0", 2)}},
                 {"showplayproperty", {REG_DWORD, std::string("\1\0", 2)}},
                 {"mframewnd", {REG_BINARY, PlacementBytes({70, 60, 470, 400}).substr(0, 40)}},
                 {"videowndsizerate", {REG_SZ, std::string("abc", 4)}}});
    EXPECT_TRUE(IsWindowVisible(window->toolBar->m_hWnd));
    EXPECT_EQ(1, window->showStatusBar);
    EXPECT_EQ(0, window->showInfoPanel);
    RECT r = WindowRectOf(window->m_hWnd);
    EXPECT_FALSE(r.left == 70 && r.top == 60 && r.right == 470);  // the template placement stays
    EXPECT_EQ(0.0, window->videoSizeRate);
    for (UINT id : {ID_SIZE_50, ID_SIZE_100, ID_SIZE_200}) EXPECT_FALSE(Checked(id)) << id;
    ASSERT_TRUE(window->OpenMedia(TestMediaPath("clip.avi").c_str(), false));
    EXPECT_EQ(0, window->FitWindowToVideo());
}

TEST_F(MainWindowSettingsTest, RestoresTheRateCheckTopmostAndPanel) {
    RestartWith({{"videowndsizerate", {REG_SZ, std::string("2.000000", 9)}},
                 {"showtopmost", {REG_DWORD, DwordBytes(1)}},
                 {"showplayproperty", {REG_DWORD, DwordBytes(5)}}});
    EXPECT_TRUE(Checked(ID_SIZE_200));
    EXPECT_TRUE(Checked(ID_VIEW_TOPMOST));
    EXPECT_TRUE(Checked(ID_VIEW_INFOPANEL));
    StoredValues values = CloseAndRead();
    EXPECT_EQ(DwordBytes(1), values["showplayproperty"].bytes);  // any nonzero flag is written as 1
    EXPECT_EQ(std::string("2.000000", 9), values["videowndsizerate"].bytes);
}

TEST_F(MainWindowSettingsTest, ClosingFramelessStoresTheModeAndTheNextStartReturnsToIt) {
    SendMessageW(window->m_hWnd, WM_COMMAND, ID_VIEW_FRAMELESS, 0);
    ASSERT_EQ(1, window->frameless);
    StoredValues values = CloseAndRead();
    EXPECT_EQ(DwordBytes(1), values["Nullscreen"].bytes);
    EXPECT_EQ(DwordBytes(0), values["fullscreen"].bytes);

    RestartWith();
    EXPECT_EQ(1, window->frameless);
}

TEST_F(MainWindowSettingsTest, StoredFullScreenComesBackBeforeTheCommandLineFilePlays) {
    SendMessageW(window->m_hWnd, WM_COMMAND, ID_VIEW_FULLSCREEN, 0);
    ASSERT_EQ(1, window->fullScreen);
    // Both stored: full screen wins.
    commandLine = "\"" + TestMediaPath("clip.avi") + "\"";
    RestartWith({{"Nullscreen", {REG_DWORD, DwordBytes(1)}}});
    EXPECT_EQ(1, window->fullScreen);
    EXPECT_TRUE(GetWindowLongW(window->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(SessionRunning, window->session.QueryState());
}

TEST_F(MainWindowSettingsTest, ClosingMaximizedStoresTheNormalRectangleWhichComesBackNotMaximized) {
    SetWindowPos(window->m_hWnd, nullptr, 60, 50, 500, 400, SWP_NOZORDER);
    ShowWindow(window->m_hWnd, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(window->m_hWnd));
    StoredValues values = CloseAndRead();
    ASSERT_EQ(44u, values["mframewnd"].bytes.size());
    const RECT normal = {60, 50, 560, 450};
    EXPECT_TRUE(EqualRect(&normal, reinterpret_cast<const RECT*>(values["mframewnd"].bytes.data() + 28)));

    RestartWith();
    EXPECT_FALSE(IsZoomed(window->m_hWnd));
    RECT r = WindowRectOf(window->m_hWnd);
    EXPECT_TRUE(EqualRect(&normal, &r));
}

TEST_F(MainWindowSettingsTest, APlacementOffEveryMonitorIsNotRestoredWhileAPartlyVisibleOneIs) {
    struct Case {
        RECT normal;
        bool restored;
    };
    const Case cases[] = {
        {{5000, 4000, 5400, 4300}, false},
        {{-300, -100, 100, 200}, true},
    };
    for (const Case& c : cases) {
        RestartWith({{"mframewnd", {REG_BINARY, PlacementBytes(c.normal)}}});
        RECT r = WindowRectOf(window->m_hWnd);
        EXPECT_EQ(c.restored, EqualRect(&r, &c.normal) != FALSE) << c.normal.left << "," << c.normal.top;
    }
}
