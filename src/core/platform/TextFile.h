#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// Text files as the program keeps them: 8-bit lines, written with CR LF after every line (the
// last one too), read back split at CR LF, a lone CR or a lone LF.
namespace velkarn {

using Lines = std::vector<std::string>;

// The line at index i, or an empty text past the end (readers rely on missing lines reading
// as empty).
const std::string& lineAt(const Lines& lines, std::size_t i);

// Splits a text into lines; an empty text gives no lines, a final line end adds no empty line.
Lines splitLines(const std::string& text);

// Calls `take(lineNumber, line)` for the lines of a text as splitLines splits them (counted from
// 1), without keeping them all; stops early when `take` returns false.
template <typename Take> void forEachLine(std::string_view text, Take take) {
    std::size_t start = 0;
    std::size_t number = 0;
    // Searches for one byte, which the library does many bytes at a time; the next line feed is
    // kept, so a text whose lines end in CR alone is not searched to its end for every line.
    std::size_t lineFeed = text.find('\n');
    while (start < text.size()) {
        if (lineFeed < start)
            lineFeed = text.find('\n', start);
        std::size_t end = std::min(lineFeed, text.size());
        if (const std::size_t cr = text.substr(start, end - start).find('\r');
            cr != std::string_view::npos)
            end = start + cr;
        if (!take(++number, text.substr(start, end - start)))
            return;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

// Joins lines, each followed by CR LF.
std::string joinLines(const Lines& lines);

// The list and setup files hold a few megabytes at most (maps.txt of 10,000 maps is 5 MB); a
// larger file is none of them and is not read into memory.
constexpr long long MaxTextFileBytes = 64ll * 1024 * 1024;

// Reads a whole file as bytes. Throws FileOpenError(path) when it cannot be opened or read, is
// no regular file (a named pipe or a device is refused at once, never waited on), or is larger
// than MaxTextFileBytes.
std::string readFileBytes(const std::string& path);

// Reads at most `maxBytes` bytes of a file from `offset` on (fewer at its end), for files that
// grow while they are read piece by piece. Throws FileOpenError(path).
std::string readFileRange(const std::string& path, unsigned long long offset, std::size_t maxBytes);

// Reads a whole text file as lines. Throws FileOpenError(path).
Lines readTextFile(const std::string& path);

// How a failed write is reported: files written whole raise FileCreateError, the game script
// and the test report raise the run-time InOutError.
enum class WriteErrorKind { FileCreate, InOut };

// Who may read a file written: the usual permissions (0666 less the umask, or those of the file
// replaced), or its owner alone (0600), for a file that holds a password.
enum class FileAccess { Usual, OwnerOnly };

// Replaces a file atomically: the bytes go to a temporary file in the same folder that is then
// renamed over the old one, so a failure (missing folder, no permission, full disk) leaves the
// old file as it was and throws the error of `kind`.
void writeFileAtomic(const std::string& path, const std::string& bytes,
                     WriteErrorKind kind = WriteErrorKind::FileCreate,
                     FileAccess access = FileAccess::Usual);

// writeFileAtomic, unless the file already holds exactly these bytes: a file rewritten on every
// start unchanged would cost a flush to disk each time.
void writeFileIfChanged(const std::string& path, const std::string& bytes);

// writeFileAtomic of joinLines(lines).
void writeTextFile(const std::string& path, const Lines& lines,
                   WriteErrorKind kind = WriteErrorKind::FileCreate,
                   FileAccess access = FileAccess::Usual);

} // namespace velkarn
