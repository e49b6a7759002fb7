// An MJPG USB camera in user space, for tests and benchmarks on machines
// without a camera or a video driver. Preloaded (LD_PRELOAD), it answers the
// Video4Linux2 calls made on one device node the way the kernel's UVC driver
// does, so that the program's own V4L2 code runs unchanged.
//
// The node is a real eventfd: poll() on it works as on a driver's node, and
// the frame thread signals it whenever a buffer is done.
//
// Environment:
//   FAKEUVC_NODE      path of the emulated node (nothing is emulated without it)
//   FAKEUVC_SIZES     offered MJPG sizes, "640x480,1280x720" (the default)
//   FAKEUVC_REFUSE    a size S_FMT answers with another one
//   FAKEUVC_FPS       frames per second (30)
//   FAKEUVC_SETFMT_MS how long S_FMT takes, as slow cameras do (0)
//   FAKEUVC_FAULTS    faults by frame sequence number, e.g.
//                     "eagain@3,corrupt@5,error@8,unplug@15":
//                     eagain: a wake-up without a frame (DQBUF says EAGAIN);
//                     corrupt: a frame whose JPEG cannot be decoded;
//                     error: a buffer flagged V4L2_BUF_FLAG_ERROR;
//                     unplug: ENODEV from then on.
//   FAKEUVC_LOG       file the device appends what it was told to
#include <cstddef>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <linux/videodev2.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <dlfcn.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <string>
#include <sys/eventfd.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Size
{
    unsigned width;
    unsigned height;
};

struct Control
{
    int minimum, maximum, step, defaultValue, value;
    unsigned type;
};

struct Buffer
{
    void* start = nullptr;
    size_t length = 0;
    unsigned bytesused = 0;
    unsigned flags = 0;
    unsigned sequence = 0;
};

// One emulated camera; everything below is guarded by `mutex`.
struct Camera
{
    std::mutex mutex;
    std::condition_variable wake;
    std::string node;
    std::vector<Size> sizes;
    Size refused{0, 0};
    Size format{0, 0};
    int fps = 30;
    int setFormatMs = 0;
    std::map<unsigned, std::string> faults;
    std::string logPath;
    std::map<unsigned, Control> controls;

    std::vector<Buffer> buffers;
    std::deque<unsigned> queued; // owned by the driver, to be filled
    std::deque<unsigned> done;   // filled, waiting for DQBUF
    std::vector<int> fds;        // open handles on the node
    bool streaming = false;
    bool unplugged = false;
    unsigned sequence = 0;
    std::thread producer;
};

Camera* g_camera = nullptr;

template <typename F>
F real(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

Size parseSize(const std::string& text)
{
    Size s{0, 0};
    std::sscanf(text.c_str(), "%ux%u", &s.width, &s.height);
    return s;
}

void log(Camera& cam, const char* format, ...)
{
    if (cam.logPath.empty())
        return;
    FILE* file = std::fopen(cam.logPath.c_str(), "a");
    if (!file)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
}

__attribute__((constructor)) void setUp()
{
    const char* node = std::getenv("FAKEUVC_NODE");
    if (!node)
        return;
    auto* cam = new Camera;
    cam->node = node;
    const char* sizes = std::getenv("FAKEUVC_SIZES");
    std::string list = sizes ? sizes : "640x480,1280x720";
    for (size_t pos = 0; pos < list.size();) {
        size_t end = list.find(',', pos);
        if (end == std::string::npos)
            end = list.size();
        const Size s = parseSize(list.substr(pos, end - pos));
        if (s.width && s.height)
            cam->sizes.push_back(s);
        pos = end + 1;
    }
    if (const char* refuse = std::getenv("FAKEUVC_REFUSE"))
        cam->refused = parseSize(refuse);
    if (const char* fps = std::getenv("FAKEUVC_FPS"))
        cam->fps = std::max(1, std::atoi(fps));
    if (const char* ms = std::getenv("FAKEUVC_SETFMT_MS"))
        cam->setFormatMs = std::atoi(ms);
    if (const char* faults = std::getenv("FAKEUVC_FAULTS")) {
        const std::string text = faults;
        for (size_t pos = 0; pos < text.size();) {
            size_t end = text.find(',', pos);
            if (end == std::string::npos)
                end = text.size();
            const std::string item = text.substr(pos, end - pos);
            const size_t at = item.find('@');
            if (at != std::string::npos)
                cam->faults[unsigned(std::atoi(item.c_str() + at + 1))] = item.substr(0, at);
            pos = end + 1;
        }
    }
    if (const char* path = std::getenv("FAKEUVC_LOG"))
        cam->logPath = path;
    cam->format = cam->sizes.empty() ? Size{640, 480} : cam->sizes.front();
    // Ranges as a typical document camera reports them.
    cam->controls[V4L2_CID_BRIGHTNESS] = {-64, 64, 1, 0, 0, V4L2_CTRL_TYPE_INTEGER};
    cam->controls[V4L2_CID_CONTRAST] = {0, 95, 1, 32, 32, V4L2_CTRL_TYPE_INTEGER};
    cam->controls[V4L2_CID_SATURATION] = {0, 100, 1, 64, 64, V4L2_CTRL_TYPE_INTEGER};
    cam->controls[V4L2_CID_FOCUS_ABSOLUTE] = {0, 1023, 1, 68, 68, V4L2_CTRL_TYPE_INTEGER};
    cam->controls[V4L2_CID_FOCUS_AUTO] = {0, 1, 1, 1, 1, V4L2_CTRL_TYPE_BOOLEAN};
    cam->controls[V4L2_CID_EXPOSURE_ABSOLUTE] = {3, 2047, 1, 250, 250, V4L2_CTRL_TYPE_INTEGER};
    // UVC cameras offer manual (1) and aperture priority (3) only.
    cam->controls[V4L2_CID_EXPOSURE_AUTO] = {0, 3, 1, V4L2_EXPOSURE_APERTURE_PRIORITY,
                                             V4L2_EXPOSURE_APERTURE_PRIORITY, V4L2_CTRL_TYPE_MENU};
    g_camera = cam;
}

bool isOurs(int fd)
{
    if (!g_camera || fd < 0)
        return false;
    std::lock_guard<std::mutex> lock(g_camera->mutex);
    for (int f : g_camera->fds)
        if (f == fd)
            return true;
    return false;
}

// A page of grey ramps with a dark block that moves every frame, so that
// successive frames differ; `corrupt` ruins the stream's header.
void encodeFrame(Buffer& buf, Size size, unsigned sequence, bool corrupt)
{
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* out = static_cast<unsigned char*>(buf.start);
    unsigned long outSize = buf.length;
    // libjpeg writes into the buffer and only allocates if it is too small.
    jpeg_mem_dest(&info, &out, &outSize);
    info.image_width = size.width;
    info.image_height = size.height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 80, TRUE);
    info.dct_method = JDCT_IFAST;
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size.width * 3);
    const unsigned block = size.height / 4;
    const unsigned left = (sequence * 16) % (size.width - block);
    while (info.next_scanline < size.height) {
        const unsigned y = info.next_scanline;
        for (unsigned x = 0; x < size.width; ++x) {
            const bool inBlock = x >= left && x < left + block && y >= block && y < 2 * block;
            const unsigned char v = inBlock ? 20 : static_cast<unsigned char>(120 + (x * 100) / size.width);
            row[x * 3] = v;
            row[x * 3 + 1] = v;
            row[x * 3 + 2] = static_cast<unsigned char>(inBlock ? 20 : 120 + (y * 100) / size.height);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (out != buf.start) {
        // Larger than the buffer: a real camera would truncate it too.
        std::memcpy(buf.start, out, buf.length);
        std::free(out);
        outSize = buf.length;
    }
    buf.bytesused = unsigned(outSize);
    if (corrupt)
        std::memset(buf.start, 0x55, std::min<size_t>(buf.bytesused, 64));
}

void signalReady(Camera& cam)
{
    const uint64_t one = 1;
    for (int fd : cam.fds)
        (void)!::write(fd, &one, sizeof one);
}

// Fills one queued buffer per frame period while streaming.
void produce(Camera* cam)
{
    const auto period = std::chrono::microseconds(1000000 / cam->fps);
    auto next = std::chrono::steady_clock::now();
    std::unique_lock<std::mutex> lock(cam->mutex);
    while (cam->streaming && !cam->unplugged) {
        next += period;
        cam->wake.wait_until(lock, next, [cam] { return !cam->streaming; });
        if (!cam->streaming)
            break;
        const unsigned seq = cam->sequence;
        const auto fault = cam->faults.find(seq);
        const std::string what = fault == cam->faults.end() ? std::string() : fault->second;
        if (what == "unplug") {
            cam->unplugged = true;
            log(*cam, "UNPLUG");
            signalReady(*cam); // the kernel wakes pollers with an error
            break;
        }
        if (what == "eagain") {
            cam->faults.erase(fault);
            signalReady(*cam);
            continue;
        }
        if (cam->queued.empty())
            continue; // the application holds every buffer: frame dropped
        const unsigned index = cam->queued.front();
        cam->queued.pop_front();
        Buffer& buf = cam->buffers[index];
        // The buffer is the driver's until done; STREAMOFF waits for this
        // thread before buffers go away, so the lock can be let go.
        const Size size = cam->format;
        lock.unlock();
        encodeFrame(buf, size, seq, what == "corrupt");
        lock.lock();
        buf.flags = 0;
        if (what == "error") {
            // A transfer error: uvcvideo flags the buffer and leaves part of it.
            buf.flags = V4L2_BUF_FLAG_ERROR;
            buf.bytesused /= 3;
        }
        buf.sequence = seq;
        ++cam->sequence;
        cam->done.push_back(index);
        signalReady(*cam);
    }
}

void stopStream(Camera& cam, std::unique_lock<std::mutex>& lock)
{
    cam.streaming = false;
    cam.wake.notify_all();
    if (cam.producer.joinable()) {
        std::thread producer = std::move(cam.producer);
        lock.unlock();
        producer.join();
        lock.lock();
    }
    cam.queued.clear();
    cam.done.clear();
}

void freeBuffers(Camera& cam)
{
    for (Buffer& b : cam.buffers)
        real<int (*)(void*, size_t)>("munmap")(b.start, b.length);
    cam.buffers.clear();
}

Size nearestSize(const Camera& cam, Size wanted)
{
    Size best = cam.format;
    long bestDistance = -1;
    for (const Size& s : cam.sizes) {
        if (s.width == cam.refused.width && s.height == cam.refused.height)
            continue;
        const long distance = std::labs(long(s.width) * s.height - long(wanted.width) * wanted.height);
        if (bestDistance < 0 || distance < bestDistance) {
            best = s;
            bestDistance = distance;
        }
    }
    return best;
}

void fillFormat(const Camera& cam, v4l2_format* f)
{
    f->fmt.pix.width = cam.format.width;
    f->fmt.pix.height = cam.format.height;
    f->fmt.pix.pixelformat = V4L2_PIX_FMT_MJPEG;
    f->fmt.pix.field = V4L2_FIELD_NONE;
    f->fmt.pix.bytesperline = 0;
    f->fmt.pix.sizeimage = cam.format.width * cam.format.height * 2;
    f->fmt.pix.colorspace = V4L2_COLORSPACE_SRGB;
}

int fail(int error)
{
    errno = error;
    return -1;
}

int handleIoctl(int fd, unsigned long request, void* arg)
{
    Camera& cam = *g_camera;
    std::unique_lock<std::mutex> lock(cam.mutex);
    if (cam.unplugged && request != VIDIOC_STREAMOFF && request != VIDIOC_REQBUFS)
        return fail(ENODEV);
    switch (request) {
    case VIDIOC_QUERYCAP: {
        auto* cap = static_cast<v4l2_capability*>(arg);
        std::memset(cap, 0, sizeof *cap);
        std::strcpy(reinterpret_cast<char*>(cap->driver), "uvcvideo");
        std::strcpy(reinterpret_cast<char*>(cap->card), "Emulated Document Camera");
        std::strcpy(reinterpret_cast<char*>(cap->bus_info), "usb-0000:00:14.0-1");
        cap->version = 0x060100;
        cap->device_caps = V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_STREAMING | V4L2_CAP_EXT_PIX_FORMAT;
        cap->capabilities = cap->device_caps | V4L2_CAP_META_CAPTURE | V4L2_CAP_DEVICE_CAPS;
        return 0;
    }
    case VIDIOC_ENUM_FMT: {
        auto* f = static_cast<v4l2_fmtdesc*>(arg);
        if (f->index != 0 || f->type != V4L2_BUF_TYPE_VIDEO_CAPTURE)
            return fail(EINVAL);
        f->flags = V4L2_FMT_FLAG_COMPRESSED;
        std::strcpy(reinterpret_cast<char*>(f->description), "Motion-JPEG");
        f->pixelformat = V4L2_PIX_FMT_MJPEG;
        return 0;
    }
    case VIDIOC_ENUM_FRAMESIZES: {
        auto* s = static_cast<v4l2_frmsizeenum*>(arg);
        if (s->pixel_format != V4L2_PIX_FMT_MJPEG || s->index >= cam.sizes.size())
            return fail(EINVAL);
        s->type = V4L2_FRMSIZE_TYPE_DISCRETE;
        s->discrete.width = cam.sizes[s->index].width;
        s->discrete.height = cam.sizes[s->index].height;
        return 0;
    }
    case VIDIOC_G_FMT: {
        auto* f = static_cast<v4l2_format*>(arg);
        if (f->type != V4L2_BUF_TYPE_VIDEO_CAPTURE)
            return fail(EINVAL);
        fillFormat(cam, f);
        return 0;
    }
    case VIDIOC_TRY_FMT:
    case VIDIOC_S_FMT: {
        auto* f = static_cast<v4l2_format*>(arg);
        if (f->type != V4L2_BUF_TYPE_VIDEO_CAPTURE)
            return fail(EINVAL);
        if (request == VIDIOC_S_FMT && (cam.streaming || !cam.buffers.empty()))
            return fail(EBUSY);
        const Size wanted{f->fmt.pix.width, f->fmt.pix.height};
        const Size chosen = nearestSize(cam, wanted);
        if (request == VIDIOC_TRY_FMT) {
            const Size kept = cam.format;
            cam.format = chosen;
            fillFormat(cam, f);
            cam.format = kept;
            return 0;
        }
        if (cam.setFormatMs > 0) {
            lock.unlock();
            std::this_thread::sleep_for(std::chrono::milliseconds(cam.setFormatMs));
            lock.lock();
        }
        cam.format = chosen;
        fillFormat(cam, f);
        log(cam, "S_FMT %ux%u -> %ux%u", wanted.width, wanted.height, chosen.width, chosen.height);
        return 0;
    }
    case VIDIOC_REQBUFS: {
        auto* r = static_cast<v4l2_requestbuffers*>(arg);
        if (r->type != V4L2_BUF_TYPE_VIDEO_CAPTURE || r->memory != V4L2_MEMORY_MMAP)
            return fail(EINVAL);
        if (cam.streaming)
            return fail(EBUSY);
        freeBuffers(cam);
        const unsigned count = std::min(r->count, 8u);
        // A compressed frame never needs more than this.
        const size_t length = (size_t(cam.format.width) * cam.format.height * 2 + 4095) & ~size_t(4095);
        for (unsigned i = 0; i < count; ++i) {
            void* start = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (start == MAP_FAILED) {
                freeBuffers(cam);
                return fail(ENOMEM);
            }
            cam.buffers.push_back({start, length, 0, 0, 0});
        }
        r->count = count;
        return 0;
    }
    case VIDIOC_QUERYBUF:
    case VIDIOC_QBUF:
    case VIDIOC_DQBUF: {
        auto* b = static_cast<v4l2_buffer*>(arg);
        if (b->type != V4L2_BUF_TYPE_VIDEO_CAPTURE || b->memory != V4L2_MEMORY_MMAP)
            return fail(EINVAL);
        if (request == VIDIOC_DQBUF) {
            // Takes the wake-up too, so that poll() stops answering for it.
            uint64_t count;
            (void)!::read(fd, &count, sizeof count);
            if (cam.done.empty()) {
                log(cam, "DQBUF EAGAIN");
                return fail(EAGAIN); // the node is opened non-blocking
            }
            b->index = cam.done.front();
            cam.done.pop_front();
        } else if (b->index >= cam.buffers.size()) {
            return fail(EINVAL);
        }
        const Buffer& buf = cam.buffers[b->index];
        b->length = unsigned(buf.length);
        b->m.offset = b->index * unsigned(buf.length);
        b->field = V4L2_FIELD_NONE;
        b->flags = V4L2_BUF_FLAG_MAPPED | V4L2_BUF_FLAG_TIMESTAMP_MONOTONIC;
        if (request == VIDIOC_QBUF) {
            cam.queued.push_back(b->index);
            b->flags |= V4L2_BUF_FLAG_QUEUED;
        } else if (request == VIDIOC_DQBUF) {
            b->flags |= buf.flags | V4L2_BUF_FLAG_DONE;
            b->bytesused = buf.bytesused;
            b->sequence = buf.sequence;
            log(cam, "DQBUF %u%s", buf.sequence, (buf.flags & V4L2_BUF_FLAG_ERROR) ? " error" : "");
        }
        return 0;
    }
    case VIDIOC_STREAMON:
        if (cam.buffers.empty())
            return fail(EINVAL);
        if (!cam.streaming) {
            cam.streaming = true;
            cam.sequence = 0;
            log(cam, "STREAMON %ux%u", cam.format.width, cam.format.height);
            cam.producer = std::thread(produce, &cam);
        }
        return 0;
    case VIDIOC_STREAMOFF:
        stopStream(cam, lock);
        return 0;
    case VIDIOC_QUERYCTRL: {
        auto* q = static_cast<v4l2_queryctrl*>(arg);
        const auto it = cam.controls.find(q->id);
        if (it == cam.controls.end())
            return fail(EINVAL);
        const Control& c = it->second;
        q->type = c.type;
        q->minimum = c.minimum;
        q->maximum = c.maximum;
        q->step = c.step;
        q->default_value = c.defaultValue;
        q->flags = 0;
        return 0;
    }
    case VIDIOC_G_CTRL:
    case VIDIOC_S_CTRL: {
        auto* v = static_cast<v4l2_control*>(arg);
        const auto it = cam.controls.find(v->id);
        if (it == cam.controls.end())
            return fail(EINVAL);
        Control& c = it->second;
        if (request == VIDIOC_G_CTRL) {
            v->value = c.value;
            return 0;
        }
        if (v->value < c.minimum || v->value > c.maximum)
            return fail(ERANGE);
        // Like UVC: only manual and aperture priority exist in the menu.
        if (v->id == V4L2_CID_EXPOSURE_AUTO && v->value != V4L2_EXPOSURE_MANUAL
            && v->value != V4L2_EXPOSURE_APERTURE_PRIORITY)
            return fail(EINVAL);
        c.value = v->value;
        log(cam, "S_CTRL 0x%x %d", v->id, v->value);
        return 0;
    }
    default:
        return fail(ENOTTY);
    }
}

int openNode(int flags)
{
    Camera& cam = *g_camera;
    const int fd = ::eventfd(0, EFD_NONBLOCK | EFD_SEMAPHORE | ((flags & O_CLOEXEC) ? EFD_CLOEXEC : 0));
    if (fd < 0)
        return -1;
    std::lock_guard<std::mutex> lock(cam.mutex);
    cam.fds.push_back(fd);
    // Frames already waiting show on the new handle too.
    const uint64_t waiting = cam.done.size();
    if (waiting)
        (void)!::write(fd, &waiting, sizeof waiting);
    return fd;
}

bool isNode(const char* path)
{
    return g_camera && path && g_camera->node == path;
}

} // namespace

extern "C" {

int open(const char* path, int flags, ...)
{
    if (isNode(path))
        return openNode(flags);
    va_list args;
    va_start(args, flags);
    const mode_t mode = va_arg(args, mode_t);
    va_end(args);
    return real<int (*)(const char*, int, ...)>("open")(path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    if (isNode(path))
        return openNode(flags);
    va_list args;
    va_start(args, flags);
    const mode_t mode = va_arg(args, mode_t);
    va_end(args);
    return real<int (*)(const char*, int, ...)>("open64")(path, flags, mode);
}

int openat(int dir, const char* path, int flags, ...)
{
    if (isNode(path))
        return openNode(flags);
    va_list args;
    va_start(args, flags);
    const mode_t mode = va_arg(args, mode_t);
    va_end(args);
    return real<int (*)(int, const char*, int, ...)>("openat")(dir, path, flags, mode);
}

int close(int fd)
{
    if (isOurs(fd)) {
        Camera& cam = *g_camera;
        std::unique_lock<std::mutex> lock(cam.mutex);
        for (size_t i = 0; i < cam.fds.size(); ++i)
            if (cam.fds[i] == fd)
                cam.fds.erase(cam.fds.begin() + long(i));
        // The last handle gone, the driver stops and frees its buffers.
        if (cam.fds.empty()) {
            stopStream(cam, lock);
            freeBuffers(cam);
        }
    }
    return real<int (*)(int)>("close")(fd);
}

int ioctl(int fd, unsigned long request, ...)
{
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);
    if (isOurs(fd))
        return handleIoctl(fd, request, arg);
    return real<int (*)(int, unsigned long, void*)>("ioctl")(fd, request, arg);
}

// Maps a buffer: the application gets the emulated device's own memory, as
// it shares the driver's with a real camera.
void* mmap(void* address, size_t length, int prot, int flags, int fd, off_t offset)
{
    if (isOurs(fd)) {
        Camera& cam = *g_camera;
        std::lock_guard<std::mutex> lock(cam.mutex);
        for (size_t i = 0; i < cam.buffers.size(); ++i) {
            if (off_t(i * cam.buffers[i].length) == offset && length <= cam.buffers[i].length)
                return cam.buffers[i].start;
        }
        errno = EINVAL;
        return MAP_FAILED;
    }
    return real<void* (*)(void*, size_t, int, int, int, off_t)>("mmap")(address, length, prot, flags, fd, offset);
}

void* mmap64(void* address, size_t length, int prot, int flags, int fd, off_t offset)
{
    return mmap(address, length, prot, flags, fd, offset);
}

// Unmapping a buffer leaves it to the device, which frees it at REQBUFS 0
// or the last close.
int munmap(void* address, size_t length)
{
    if (g_camera) {
        std::lock_guard<std::mutex> lock(g_camera->mutex);
        for (const Buffer& b : g_camera->buffers)
            if (b.start == address)
                return 0;
    }
    return real<int (*)(void*, size_t)>("munmap")(address, length);
}

} // extern "C"
