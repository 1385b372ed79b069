// The peak memory of showing an 8192 x 8192 JPEG levelshot, side by side: decoded whole and
// then scaled for the preview (as before), and decoded scaled down to what the preview keeps
// (LevelshotPreview::LargestShown). Each way runs in a child process of its own, so that each
// peak is its own; a child that only holds the file's bytes is the baseline.
#include "core/images/JpegDecoder.h"
#include "support/JpegFixture.h"

#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Side = 8192;
constexpr int Kept = 1024; // LevelshotPreview::LargestShown
const QSize Shown(400, 400);

// The process's peak resident memory so far, in KiB.
long peakKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// Runs `work` in a child and gives the child's peak, or -1.
template <typename Work> long peakOf(Work work) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const bool ok = work();
        const long peak = ok ? peakKib() : -1;
        if (write(pipeEnds[1], &peak, sizeof peak) != sizeof peak)
            _exit(1);
        _exit(0);
    }
    close(pipeEnds[1]);
    long peak = -1;
    if (read(pipeEnds[0], &peak, sizeof peak) != sizeof peak)
        peak = -1;
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return peak;
}

} // namespace

int main() {
    const std::string bytes = velkarn::test::encodeJpeg(Side, Side);
    const long held = peakOf([&] { return !bytes.empty(); });
    const long whole = peakOf([&] {
        const QImage picture = velkarn::decodeJpeg(bytes);
        const QImage shown = picture.scaled(Shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return !shown.isNull();
    });
    const long scaled = peakOf([&] {
        const QImage picture = velkarn::decodeJpeg(bytes, QSize(Kept, Kept));
        const QImage shown = picture.scaled(Shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return !shown.isNull() && picture.width() <= Kept;
    });
    const auto mib = [](long kib) { return static_cast<double>(kib) / 1024; };
    std::printf("8192 x 8192 JPEG levelshot (%zu bytes), peak resident memory:\n", bytes.size());
    std::printf("  %-42s %8.1f MiB\n", "baseline (the file's bytes only)", mib(held));
    std::printf("  %-42s %8.1f MiB\n", "decoded whole, then scaled (before)", mib(whole));
    std::printf("  %-42s %8.1f MiB\n", "decoded scaled down to 1024 (now)", mib(scaled));
    return held > 0 && whole > 0 && scaled > 0 ? 0 : 1;
}
