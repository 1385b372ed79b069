// Decoding speed of the TGA reader against stb_image and Qt's own TGA reader, and the speed of
// writing color-mapped files with each dither mode. Prints the usual benchmark table, then the
// ratios the reader is held to: within 1.5 times stb_image, faster than Qt.
#include "core/images/TgaImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#include <stb/stb_image.h>

using velkarn::ColorDepth;
using velkarn::TgaImage;
using velkarn::TgaType;

namespace {

// Something like a levelshot: flat areas that make long runs, and noisy gradients that make
// raw packets.
QImage levelshotLike(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    std::uint32_t noise = 12345;
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = int(noise >> 28);
            if ((x / 64 + y / 64) % 3 == 0)
                line[x] = qRgb((x / 64) * 20 % 256, (y / 64) * 30 % 256, 90);
            else
                line[x] = qRgb((x / 8 + n) % 256, (y / 8 + n) % 256, (x + y) / 16 % 256);
        }
    }
    return image;
}

std::string encode(const QImage& image, TgaType type, ColorDepth depth) {
    TgaImage tga;
    tga.setImage(image);
    QImage alpha(image.size(), QImage::Format_RGB32);
    alpha.fill(qRgb(200, 200, 200));
    tga.setAlphaImage(alpha);
    tga.setTgaType(type);
    tga.setColorDepth(depth);
    return tga.saveToBytes();
}

// Qt's reader takes only files that end in a TGA 2.0 footer.
std::string withFooter(std::string file) {
    file.append(8, '\0'); // no extension or developer area
    file += "TRUEVISION-XFILE.";
    file.push_back('\0');
    return file;
}

const std::string& rleFile() {
    static const std::string file =
        encode(levelshotLike(2048), TgaType::RunLengthTrueColor, ColorDepth::Bits24);
    return file;
}

const std::string& rawFile() {
    static const std::string file =
        withFooter(encode(levelshotLike(2048), TgaType::TrueColor, ColorDepth::Bits32));
    return file;
}

// Times mean little if the readers disagree: every pixel must match stb_image's decoding.
bool agreesWithStb(const std::string& file, const char* name) {
    TgaImage tga;
    tga.loadFromBytes(file);
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(file.data()),
                                          int(file.size()), &width, &height, &channels, 4);
    bool same = rgba && width == tga.width() && height == tga.height();
    for (int y = 0; same && y < height; ++y)
        for (int x = 0; same && x < width; ++x) {
            const stbi_uc* p = rgba + (std::size_t(y) * width + x) * 4;
            const QRgb ours = tga.image().pixel(x, y);
            same = qRed(ours) == p[0] && qGreen(ours) == p[1] && qBlue(ours) == p[2] &&
                   (channels < 4 || qBlue(tga.alphaImage().pixel(x, y)) == p[3]);
        }
    stbi_image_free(rgba);
    std::printf("%s: TgaImage and stb_image decode %s\n", name,
                same ? "the same pixels" : "DIFFERENT pixels");
    return same;
}

void decodeWithTga(benchmark::State& state, const std::string& file) {
    for (auto _ : state) {
        TgaImage tga;
        tga.loadFromBytes(file);
        benchmark::DoNotOptimize(tga.image().constBits());
    }
}

void decodeWithStb(benchmark::State& state, const std::string& file) {
    for (auto _ : state) {
        int width = 0, height = 0, channels = 0;
        stbi_uc* pixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(file.data()),
                                                int(file.size()), &width, &height, &channels, 0);
        if (!pixels)
            state.SkipWithError("stb_image could not decode the file");
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
}

void decodeWithQt(benchmark::State& state, const std::string& file) {
    const QByteArray bytes = QByteArray::fromRawData(file.data(), qsizetype(file.size()));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "tga");
        const QImage image = reader.read();
        if (image.isNull())
            state.SkipWithError(
                ("Qt could not decode the file: " + reader.errorString().toStdString()).c_str());
        benchmark::DoNotOptimize(image.constBits());
    }
}

void writeColorMapped(benchmark::State& state, velkarn::DitherMode mode) {
    TgaImage tga;
    tga.setImage(levelshotLike(1024));
    tga.setTgaType(TgaType::ColorMapped);
    tga.setDitherMode(mode);
    for (auto _ : state)
        benchmark::DoNotOptimize(tga.saveToBytes());
}

void BM_Rle24_Tga(benchmark::State& s) {
    decodeWithTga(s, rleFile());
}
void BM_Rle24_Stb(benchmark::State& s) {
    decodeWithStb(s, rleFile());
}
void BM_Raw32_Tga(benchmark::State& s) {
    decodeWithTga(s, rawFile());
}
void BM_Raw32_Stb(benchmark::State& s) {
    decodeWithStb(s, rawFile());
}
void BM_Raw32_Qt(benchmark::State& s) {
    decodeWithQt(s, rawFile());
}
void BM_WriteMapped_Nearest(benchmark::State& s) {
    writeColorMapped(s, velkarn::DitherMode::Nearest);
}
void BM_WriteMapped_FloydSteinberg(benchmark::State& s) {
    writeColorMapped(s, velkarn::DitherMode::FloydSteinberg);
}

BENCHMARK(BM_Rle24_Tga)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rle24_Stb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Raw32_Tga)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Raw32_Stb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Raw32_Qt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteMapped_Nearest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteMapped_FloydSteinberg)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's times per iteration for the ratios printed at the end.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, Times> times;
};

// Real time is what a user waits; CPU time is steadier on a busy machine. Both are shown.
void printRatio(const RecordingReporter& reporter, const char* what, const std::string& ours,
                const std::string& theirs, double goal) {
    const auto a = reporter.times.find(ours);
    const auto b = reporter.times.find(theirs);
    if (a == reporter.times.end() || b == reporter.times.end())
        return;
    const double real = a->second.real / b->second.real;
    const double cpu = a->second.cpu / b->second.cpu;
    std::printf("%-34s real %7.2f / %7.2f ms = %5.2f   cpu %7.2f / %7.2f ms = %5.2f   "
                "goal <= %.2f: %s\n",
                what, a->second.real, b->second.real, real, a->second.cpu, b->second.cpu, cpu, goal,
                std::max(real, cpu) <= goal ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // image format plugins are found through the application
    benchmark::Initialize(&argc, argv);
    const bool agree =
        agreesWithStb(rleFile(), "24-bit RLE") & agreesWithStb(rawFile(), "32-bit raw");
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\n");
    printRatio(reporter, "24-bit RLE 2048x2048, TgaImage/stb", "BM_Rle24_Tga", "BM_Rle24_Stb", 1.5);
    printRatio(reporter, "32-bit raw 2048x2048, TgaImage/stb", "BM_Raw32_Tga", "BM_Raw32_Stb", 1.5);
    printRatio(reporter, "32-bit raw 2048x2048, TgaImage/Qt", "BM_Raw32_Tga", "BM_Raw32_Qt", 1.0);
    return agree ? 0 : 1;
}
