// Ctrl+C on a playing clip, typed as real keys: the frame goes to the file named in the save dialog.
#include <cstring>

#include "MainWindowFixture.h"

namespace {
// On its own thread, waits for a save dialog owned by owner, types name into it and confirms.
struct SaveDialogAnswer {
    HWND owner;
    std::string name;
    bool seen = false;
    std::wstring filter;

    static DWORD WINAPI Run(void* self) {
        static_cast<SaveDialogAnswer*>(self)->Answer();
        return 0;
    }
    void Answer() {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < 8000) {
            HWND dialog = nullptr;
            while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr)
                if (GetWindow(dialog, GW_OWNER) == owner) break;
            if (dialog && IsWindowVisible(dialog)) {
                seen = true;
                wchar_t type[200] = {};
                GetDlgItemTextW(dialog, 0x470 /* cmb1, the file types */, type, 200);
                filter = type;
                // Explorer-style dialogs keep the name in cmb13, older ones in edt1.
                if (!SetDlgItemTextA(dialog, 0x47C, name.c_str())) SetDlgItemTextA(dialog, 0x480, name.c_str());
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(50);
        }
    }
};

}  // namespace

TEST_F(MainWindowTest, CtrlCSavesThePlayingFrameUnderTheTypedName) {
    std::string folder = TestScratchFolder("capture-keys");
    ASSERT_EQ(1, window->OpenMedia(TestMediaPath("bars30.avi").c_str(), true));
    PumpAsDialog(700);
    SaveDialogAnswer answer;
    answer.owner = window->m_hWnd;
    answer.name = folder + "\\frame";  // the dialog adds the extension
    HANDLE helper = CreateThread(nullptr, 0, SaveDialogAnswer::Run, &answer, 0, nullptr);
    SetForegroundWindow(window->m_hWnd);
    SetFocus(window->m_hWnd);
    PumpAsDialog(100);
    PlayInput({KeyStep(VK_CONTROL, false), KeyStep('C', false), KeyStep('C', true), KeyStep(VK_CONTROL, true)},
              [&] { PumpAsDialog(); }, 1500);
    WaitForSingleObject(helper, 10000);
    CloseHandle(helper);
    ASSERT_TRUE(answer.seen);
    EXPECT_EQ(L"ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)", answer.filter);
    HANDLE file = CreateFileA((folder + "\\frame.bmp").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    BYTE header[54] = {};
    DWORD got = 0;
    ReadFile(file, header, sizeof(header), &got, nullptr);
    DWORD size = GetFileSize(file, nullptr);
    CloseHandle(file);
    LONG width = 0;
    memcpy(&width, header + 18, 4);
    EXPECT_EQ(size, *reinterpret_cast<DWORD*>(header + 2));
    EXPECT_EQ(320, width);  // the clip's own size
    EXPECT_EQ(SessionRunning, window->session.QueryState());  // playback goes on
}
