#include "core/platform/Errors.h"

#include "core/platform/PrintableText.h"

#include <cerrno>
#include <charconv>
#include <climits>

namespace velkarn {

namespace {

std::string inOutText(int code) {
    switch (code) {
    case InOutError::FileNotFound:
        return "File not found";
    case InOutError::InvalidFilename:
        return "Invalid filename";
    case InOutError::TooManyOpenFiles:
        return "Too many open files";
    case InOutError::AccessDenied:
        return "File access denied";
    case InOutError::ReadBeyondEnd:
        return "Read beyond end of file";
    case InOutError::DiskFull:
        return "Disk full";
    case InOutError::InvalidNumericInput:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

} // namespace

FileOpenError::FileOpenError(const std::string& fileName, const std::string& reason)
    : Error("Cannot open file " + fileName + (reason.empty() ? "" : ": " + reason)) {
}

FileCreateError::FileCreateError(const std::string& fileName)
    : Error("Cannot create file " + fileName) {
}

ConvertError::ConvertError(const std::string& text)
    : Error("'" + printableText(text) + "' is not a valid integer value") {
}

ConvertError::ConvertError(const std::string& text, const std::string& file, std::size_t line)
    : Error(fileLinePrefix(file, line) + ConvertError(text).what()) {
}

FileFormatError::FileFormatError(const std::string& file, std::size_t line,
                                 const std::string& problem)
    : Error(fileLinePrefix(file, line) + problem) {
}

std::string fileLinePrefix(const std::string& file, std::size_t line) {
    return file + ", line " + std::to_string(line) + ": ";
}

ListIndexError::ListIndexError(long long index)
    : Error("List index out of bounds (" + std::to_string(index) + ")") {
}

InOutError::InOutError(int code) : Error(inOutText(code)), code_(code) {
}

int InOutError::codeFromErrno(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
        return InvalidFilename;
    case EMFILE:
    case ENFILE:
        return TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiskFull;
    default:
        // Other errors read "I/O error %d"; a number that happens to equal one of the codes
        // above is moved out of their way so it is not shown as that code's text.
        for (int reserved : {FileNotFound, InvalidFilename, TooManyOpenFiles, AccessDenied,
                             ReadBeyondEnd, DiskFull, InvalidNumericInput})
            if (err == reserved)
                return 1000 + err;
        return err;
    }
}

int toInt(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    const char* begin = text.data() + first;
    const char* end = text.data() + last;
    if (begin != end && *begin == '+' && begin + 1 != end && *(begin + 1) != '-')
        ++begin;
    long long value = 0;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc() || ptr != end || value < INT_MIN || value > INT_MAX)
        throw ConvertError(text);
    return static_cast<int>(value);
}

} // namespace velkarn
