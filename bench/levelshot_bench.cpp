// The peak memory and time of showing a large levelshot, side by side: decoded whole and then
// scaled for the preview (as before), and reduced while decoded to what the preview keeps
// (LevelshotPreview::LargestShown): an 8192 x 8192 JPEG, a 5000 x 5000 run-length TGA (the
// largest a TGA read whole may be is about 5790 x 5790), and an 8192 x 8192 one, which was
// refused before. Each way runs in a child process of its own, so that each peak is its own; a
// child that only holds the file's bytes is the baseline.
#include "core/images/JpegDecoder.h"
#include "core/images/TgaReader.h"
#include "support/JpegFixture.h"

#include <QImage>
#include <chrono>
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

struct Cost {
    long peakKib = -1;
    double ms = 0;
};

// Runs `work` in a child and gives the child's peak and time; a peak of -1 when it failed.
template <typename Work> Cost costOf(Work work) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const auto start = std::chrono::steady_clock::now();
        const bool ok = work();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        const Cost cost{ok ? peakKib() : -1, took.count()};
        if (write(pipeEnds[1], &cost, sizeof cost) != sizeof cost)
            _exit(1);
        _exit(0);
    }
    close(pipeEnds[1]);
    Cost cost;
    if (read(pipeEnds[0], &cost, sizeof cost) != sizeof cost)
        cost = {};
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return cost;
}

// A run-length 24-bit TGA like a levelshot, written row by row so that the picture is never
// held whole here: mostly flat runs, one packet in eight raw noise.
std::string encodeTga(int side) {
    std::string file(18, '\0');
    file[2] = 10;
    file[12] = char(side & 0xFF);
    file[13] = char(side >> 8);
    file[14] = file[12];
    file[15] = file[13];
    file[16] = 24;
    std::uint32_t noise = 12345;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; x += 128) {
            const int count = std::min(128, side - x);
            if ((x / 128 + y) % 8 == 0) {
                file.push_back(char(count - 1));
                for (int i = 0; i < count * 3; ++i) {
                    noise = noise * 1103515245u + 12345u;
                    file.push_back(char(noise >> 24));
                }
            } else {
                file.push_back(char(0x80 | (count - 1)));
                file += {char(x / 64), char(y / 64), char(90)};
            }
        }
    return file;
}

bool shownFrom(const QImage& picture) {
    const QImage shown = picture.scaled(Shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return !shown.isNull();
}

void print(const char* what, const Cost& cost) {
    if (cost.peakKib < 0)
        std::printf("  %-44s   failed (refused or out of memory)\n", what);
    else
        std::printf("  %-44s %8.1f MiB %9.1f ms\n", what, double(cost.peakKib) / 1024, cost.ms);
}

} // namespace

int main() {
    bool ok = true;
    const std::string jpeg = velkarn::test::encodeJpeg(Side, Side);
    std::printf("8192 x 8192 JPEG levelshot (%zu bytes), peak resident memory and time:\n",
                jpeg.size());
    const Cost held = costOf([&] { return !jpeg.empty(); });
    const Cost whole = costOf([&] { return shownFrom(velkarn::decodeJpeg(jpeg)); });
    const Cost scaled = costOf([&] {
        const QImage picture = velkarn::decodeJpeg(jpeg, QSize(Kept, Kept));
        return shownFrom(picture) && picture.width() <= Kept;
    });
    print("baseline (the file's bytes only)", held);
    print("decoded whole, then scaled (before)", whole);
    print("decoded scaled down to 1024 (now)", scaled);
    ok = ok && held.peakKib > 0 && whole.peakKib > 0 && scaled.peakKib > 0;

    for (const int side : {5000, Side}) {
        const std::string tga = encodeTga(side);
        std::printf("%d x %d run-length TGA levelshot (%zu bytes):\n", side, side, tga.size());
        const Cost tgaHeld = costOf([&] { return !tga.empty(); });
        const Cost tgaWhole = costOf([&] {
            try {
                return shownFrom(velkarn::readTga(tga, {}, {}).image);
            } catch (const velkarn::TgaError&) {
                return false;
            }
        });
        const Cost tgaReduced = costOf([&] {
            const QImage picture = velkarn::readTgaReduced(tga, Kept);
            return shownFrom(picture) && picture.width() <= Kept;
        });
        print("baseline (the file's bytes only)", tgaHeld);
        print("decoded whole, then scaled (before)", tgaWhole);
        print("reduced to 1024 while read (now)", tgaReduced);
        ok = ok && tgaHeld.peakKib > 0 && tgaReduced.peakKib > 0;
    }
    return ok ? 0 : 1;
}
