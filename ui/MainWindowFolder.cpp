// The next and previous file in the open file's folder, in the order the shell shows the names.
#include "media/FolderFiles.h"
#include "media/FolderOrder.h"
#include "media/MediaProbe.h"
#include "media/PathText.h"
#include "media/ShellUtil.h"
#include "ui/MainWindow.h"

void MainWindow::OpenNeighbour(int direction) {
    if (!media.Path()) return;
    std::string previous = media.Path();
    std::wstring path = AnsiToWide(previous.c_str());
    size_t cut = path.find_last_of(L"\\/");
    if (cut == std::wstring::npos) return;
    std::wstring folder = path.substr(0, cut);
    std::vector<std::wstring> names;
    if (!ListFolderFiles(folder, &names)) return;
    std::wstring current = ListedSpelling(names, path.substr(cut + 1));
    uint32_t position = CurrentPositionMs();
    bool playing = session.QueryState() == SessionRunning;

    for (const std::wstring& name : NeighbourNames(names, current, direction)) {
        char candidate[MAX_PATH];
        MediaFormatInfo format;
        // An open that fails closes what plays, so a file is tried only once the probe takes it;
        // one gone since the listing, or not media after all, is passed over here.
        if (!NarrowWithoutLoss((folder + L"\\" + name).c_str(), candidate) || !ProbeMedia(candidate, &format))
            continue;
        if (OpenMedia(candidate, true)) {
            FitWindowToVideo();
            UpdateUiState(0, nullptr, false);
            return;
        }
        if (!ReopenAt(previous, position, playing)) return;
    }
}

// Back to the file that played before a neighbour failed to build, where it stood.
bool MainWindow::ReopenAt(const std::string& path, uint32_t positionMs, bool play) {
    if (!OpenMedia(path.c_str(), false)) return false;
    if (positionMs > 0) SeekToPosition(positionMs);
    if (play) session.Run();
    return true;
}
