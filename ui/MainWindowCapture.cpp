// The still-capture command: the frame at the moment of the command, saved as a .bmp file.
#include "framework/Scoped.h"
#include "media/BitmapWriter.h"
#include "media/FrameCapture.h"
#include "resources/resource.h"
#include "ui/FileDialogFilter.h"
#include "ui/MainWindow.h"

void MainWindow::CaptureStill() {
    if (!media.HasVideo()) return;
    uint32_t positionMs = PlaybackSession::ToMilliseconds(session.GetPosition());
    HBITMAP grabbed = nullptr;
    {
        ScopedGetDC screen(nullptr);
        // Taken before the dialog opens: playback goes on meanwhile.
        grabbed = GrabFrame(media.Path(), positionMs, media.Size().width, media.Size().height, screen);
    }
    if (!grabbed) return;
    ScopedGdiObject bitmap(grabbed);
    char path[MAX_PATH] = {};
    if (ChooseBitmapFile(path, m_hWnd)) SaveBitmapFile(path, bitmap.Bitmap());
}

bool MainWindow::ChooseBitmapFile(char* buffer, HWND owner) {
    if (!buffer) return false;
    std::string filter = FileDialogFilter(IDS_BITMAPFILTER);
    OPENFILENAMEA dialog = FileDialogFields(owner, filter, 1, buffer);
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    dialog.lpstrDefExt = "bmp";
    return GetSaveFileNameA(&dialog) != FALSE;
}
