#include "media/MediaProbe.h"

#include <dshow.h>
#include <dvdmedia.h>
#include <oleauto.h>
#include <qedit.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

#include "framework/Scoped.h"
#include "media/BoundedCall.h"
#include "media/BoundedRender.h"
#include "media/FirstFilterLook.h"
#include "media/directshow/ScopedMediaType.h"
#include "media/PathText.h"
#include "media/directshow/DirectShowServices.h"

namespace {
struct StreamScan {
    double longestSeconds = 0.0;
    bool streamFound = false;
    bool asfFile = false;
};

bool IsMpegFile(const char* path) { return ExtensionIs(path, "mpg") || ExtensionIs(path, "mpeg"); }

void TakeFrameRate(IMediaDet* detector, MediaFormatInfo* info) {
    double rate = 0.0;
    if (SUCCEEDED(detector->get_FrameRate(&rate)) && std::isfinite(rate)) info->frameRate = rate;
}

void ClassifyMajorType(IMediaDet* detector, const GUID& major, StreamScan* scan, MediaFormatInfo* info) {
    if (major == MEDIATYPE_Audio || major == MEDIATYPE_AnalogAudio) {
        scan->streamFound = true;
        info->hasAudio = 1;
    } else if (major == MEDIATYPE_Video) {
        scan->streamFound = true;
        info->hasVideo = 1;
        TakeFrameRate(detector, info);
        // The detector often knows no rate for ASF video, which plays fine all the same.
        if (scan->asfFile && !(info->frameRate > 0)) info->frameRate = 30.0;
    } else if (major == MEDIATYPE_Stream || major == MEDIATYPE_Interleaved || major == MEDIATYPE_AnalogVideo ||
               major == MEDIATYPE_MPEG2_PES) {
        // A multiplexed stream may carry either kind.
        scan->streamFound = true;
        info->hasAudio = 1;
        info->hasVideo = 1;
        TakeFrameRate(detector, info);
    }
}

// The information text reads the copied blocks by these offsets, without the platform's headers.
static_assert(kWaveChannelsOffset == offsetof(WAVEFORMATEX, nChannels), "WAVEFORMATEX layout");
static_assert(kWaveSamplesPerSecOffset == offsetof(WAVEFORMATEX, nSamplesPerSec), "WAVEFORMATEX layout");
static_assert(kWaveAvgBytesPerSecOffset == offsetof(WAVEFORMATEX, nAvgBytesPerSec), "WAVEFORMATEX layout");
static_assert(kVideoBitRateOffset == offsetof(VIDEOINFOHEADER, dwBitRate), "VIDEOINFOHEADER layout");
static_assert(kVideoBitRateOffset == offsetof(VIDEOINFOHEADER2, dwBitRate), "VIDEOINFOHEADER2 layout");
static_assert(kVideoInfoBitCountOffset == offsetof(VIDEOINFOHEADER, bmiHeader) + offsetof(BITMAPINFOHEADER, biBitCount),
              "VIDEOINFOHEADER layout");
static_assert(kVideoInfo2BitCountOffset ==
                  offsetof(VIDEOINFOHEADER2, bmiHeader) + offsetof(BITMAPINFOHEADER, biBitCount),
              "VIDEOINFOHEADER2 layout");

void CopyFormatBlock(const AM_MEDIA_TYPE& type, BYTE* target, size_t capacity, int* filled) {
    // A type that announces a block without one has nothing to copy.
    if (!type.pbFormat || type.cbFormat == 0) return;
    size_t count = type.cbFormat < capacity ? type.cbFormat : capacity;
    memset(target, 0, capacity);
    memcpy(target, type.pbFormat, count);
    *filled = 1;
}

void TakeFormatBlock(const AM_MEDIA_TYPE& type, MediaFormatInfo* info) {
    if (type.formattype == FORMAT_WaveFormatEx)
        CopyFormatBlock(type, info->waveFormat, sizeof(info->waveFormat), &info->hasWaveFormat);
    else if (type.formattype == FORMAT_VideoInfo)
        CopyFormatBlock(type, info->videoInfo, sizeof(info->videoInfo), &info->hasVideoInfo);
    else if (type.formattype == FORMAT_VideoInfo2)
        CopyFormatBlock(type, info->videoInfo2, sizeof(info->videoInfo2), &info->hasVideoInfo2);
}

void ScanStream(IMediaDet* detector, long index, StreamScan* scan, MediaFormatInfo* info) {
    if (FAILED(detector->put_CurrentStream(index))) return;
    double seconds = 0.0;
    if (SUCCEEDED(detector->get_StreamLength(&seconds)) && seconds > scan->longestSeconds)
        scan->longestSeconds = seconds;
    ScopedMediaType type;
    if (FAILED(detector->get_StreamMediaType(type.Get()))) return;
    ClassifyMajorType(detector, type.Get()->majortype, scan, info);
    TakeFormatBlock(*type.Get(), info);
}

// What the detector found, filled on the thread that reads the file and taken over only when
// that finished in time.
struct DetectorScan {
    ScopedCom<IMediaDet> detector;
    std::wstring path;
    bool mpegFile = false;
    StreamScan scan;
    MediaFormatInfo info = {};
    bool raised = false;
};

void ScanDetector(DetectorScan* job) {
    ScopedBstr name(SysAllocString(job->path.c_str()));
    if (!name.Get()) return;
    long count = 0;
    IMediaDet* detector = job->detector.Get();
    if (FAILED(detector->put_Filename(name.Get())) || FAILED(detector->get_OutputStreams(&count))) return;
    // Some MPEG splitters report one stream while a second one is there to be read.
    if (count == 1 && job->mpegFile) count = 2;
    for (long i = 0; i < count; ++i) ScanStream(detector, i, &job->scan, &job->info);
}

// False when the file could not be read in time (or the scan raised): nothing is taken over.
bool ScanStreams(const char* path, StreamScan* scan, MediaFormatInfo* info) {
    auto job = std::make_shared<DetectorScan>();
    if (FAILED(CreateMediaDetector(job->detector.Out())) || !job->detector) return true;
    wchar_t widePath[MAX_PATH];
    if (!WidePath(path, widePath)) return true;
    job->path = widePath;
    job->mpegFile = IsMpegFile(path);
    job->scan = *scan;
    bool finished = CallWithinLimit([job] {
        try {
            ScanDetector(job.get());
        } catch (...) {
            job->raised = true;
        }
        job->detector.Release();
    });
    if (!finished || job->raised) return false;
    *scan = job->scan;
    *info = job->info;
    return true;
}

uint32_t SecondsToMilliseconds(double seconds) {
    double ms = seconds * 1000.0;
    // Beyond 49 days the count cannot be held; the conversion would be undefined.
    if (ms >= 4294967295.0) return 0xFFFFFFFFu;
    return static_cast<uint32_t>(ms);
}
}  // namespace

bool DecideProbe(const MediaFormatInfo& info, bool streamFound, bool mpegFile) {
    if (!streamFound) return false;
    if (info.hasAudio && info.lengthMs == 0) return false;
    if (info.hasVideo) return info.frameRate > 0 || info.lengthMs == 0;
    return !mpegFile;
}

bool ProbeMedia(const char* path, MediaFormatInfo* info) {
    if (!path || !info) return false;
    ZeroMemory(info, sizeof(*info));
    if (RefusedByName(path)) return false;
    AwaitFirstFilterLook();
    try {
        StreamScan scan;
        scan.asfFile = ExtensionIs(path, "asf") || ExtensionIs(path, "wmv");
        if (!ScanStreams(path, &scan, info)) return false;
        info->lengthMs = SecondsToMilliseconds(scan.longestSeconds);
        return DecideProbe(*info, scan.streamFound, IsMpegFile(path));
    } catch (...) {
        return false;
    }
}

bool RefusedByName(const char* path) {
    return ExtensionIs(path, "mov") || ExtensionIs(path, "exe") || ExtensionIs(path, "dll");
}

bool ProbeVideoSize(const char* path, VideoSizeInfo* size) {
    if (!path || !size) return false;
    wchar_t widePath[MAX_PATH];
    if (!WidePath(path, widePath)) return false;
    try {
        ScopedCom<IGraphBuilder> graph;
        if (FAILED(CreateFilterGraph(graph.Out())) || !graph) return false;
        if (FAILED(RenderFileWithinLimit(graph.Get(), widePath))) return false;
        return ReadVideoSize(graph.Get(), size);
    } catch (...) {
        return false;
    }
}

bool ReadVideoSize(IGraphBuilder* graph, VideoSizeInfo* size) {
    if (!graph || !size) return false;
    try {
        ScopedCom<IBasicVideo> video;
        if (FAILED(graph->QueryInterface(IID_IBasicVideo, video.OutVoid())) || !video) return false;
        bool ok = false;
        long width = 0, height = 0;
        if (SUCCEEDED(video->get_VideoWidth(&width))) {
            size->width = width;
            if (SUCCEEDED(video->get_VideoHeight(&height))) {
                size->height = height;
                ok = true;
            }
        }
        long bitRate = 0;
        if (SUCCEEDED(video->get_BitRate(&bitRate))) size->bitRate = bitRate;
        return ok;
    } catch (...) {
        return false;
    }
}
