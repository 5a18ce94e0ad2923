#include "media/PausedPicture.h"

#include <dshow.h>

#include <cstdlib>
#include <memory>
#include <new>

#include "framework/Scoped.h"
#include "media/BitmapLayout.h"
#include "media/PlaybackSession.h"

namespace {
// The frame the renderer holds, drawn over the rectangle it draws its frames on.
bool DrawHeldFrame(IBasicVideo* video, HWND window, long width, long height) {
    uint32_t stride = BitmapRowStride(width, 32);
    // Room for any packed picture of this size: header, masks, a full colour table, 32-bit rows.
    uint64_t room = kBitmapInfoHeaderSize + kBitmapMaskBytes + 256 * 4 + static_cast<uint64_t>(stride) * height;
    if (stride == 0 || room > 0x7FFFFFFF) return false;
    std::unique_ptr<long[]> image(new (std::nothrow) long[room / sizeof(long) + 1]);
    long size = static_cast<long>(room);
    if (!image || FAILED(video->GetCurrentImage(&size, image.get()))) return false;
    const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.get());
    BitmapLayout layout = {};
    BitmapHeaderFields fields = {header->biWidth, header->biHeight, header->biBitCount, header->biCompression,
                                 header->biSizeImage, header->biClrUsed};
    if (size < static_cast<long>(sizeof(BITMAPINFOHEADER)) || !ComputeBitmapLayout(fields, &layout) ||
        layout.bitsOffset + layout.imageSize > static_cast<uint32_t>(size))
        return false;
    long left = 0, top = 0, destWidth = 0, destHeight = 0;
    if (FAILED(video->GetDestinationPosition(&left, &top, &destWidth, &destHeight))) return false;
    ScopedGetDC dc(window);
    const BYTE* bits = reinterpret_cast<const BYTE*>(header) + layout.bitsOffset;
    return dc && StretchDIBits(dc, left, top, destWidth, destHeight, 0, 0, header->biWidth, std::abs(header->biHeight),
                               bits, reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS, SRCCOPY) != 0;
}
}  // namespace

bool RepaintPausedPicture(PlaybackSession& session, HWND host) {
    IGraphBuilder* graph = session.Graph();
    if (session.State() != SessionPaused || !graph || !host) return false;
    // The session made the renderer's window the host's one child.
    HWND window = GetWindow(host, GW_CHILD);
    if (!window || !IsWindowVisible(window)) return false;
    ScopedCom<IBasicVideo> video;
    if (FAILED(graph->QueryInterface(IID_IBasicVideo, video.OutVoid())) || !video) return false;
    long width = 0, height = 0;
    if (FAILED(video->GetVideoSize(&width, &height)) || width <= 0 || height <= 0) return false;
    return DrawHeldFrame(video.Get(), window, width, height) || session.PresentAgain();
}
