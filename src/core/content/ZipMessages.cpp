#include "core/content/ZipMessages.h"

namespace velkarn {

namespace {

std::string sentence(int number, const std::string& archive, const std::string& detail) {
    switch (number) {
    case ZipMsg::OutOfMemory:
        return "Out of memory while listing " + archive + ".";
    case ZipMsg::DirectorySeek:
        return "The central directory of " + archive +
               " lies outside the file; the archive is damaged.";
    case ZipMsg::ListingFailed:
        return archive + " cannot be listed: " + detail + ".";
    case ZipMsg::DataInFront:
        if (!detail.empty() && detail.front() == '-')
            return "The central directory of " + archive + " lies " + detail.substr(1) +
                   " bytes before where the archive says; the archive is damaged and is read "
                   "from where the directory really is.";
        return "The central directory of " + archive + " lies " + detail +
               " bytes after where the archive says (other data in front of it, such as a "
               "self-extracting program?); the offsets are corrected.";
    case ZipMsg::DataAfterEnd:
        return archive + " has unexpected data after the end of its central directory; the "
                         "data is ignored.";
    case ZipMsg::EntryReadFailed:
        return "Cannot read " + detail + " from " + archive + ".";
    case ZipMsg::CannotOpen:
        return archive + " cannot be opened: " + detail + ".";
    case ZipMsg::EndRecordSeek:
        return "Cannot seek in " + archive + " while looking for its central directory.";
    case ZipMsg::EndRecordRead:
        return "Cannot read " + archive + " while looking for its central directory: " + detail +
               ".";
    case ZipMsg::DirectoryShort:
        return "The central directory of " + archive + " ends before " + detail +
               "; the archive is truncated or damaged.";
    case ZipMsg::BadHeaderSignature:
        return detail + " in the central directory of " + archive +
               " has a bad header signature; the archive is damaged.";
    case ZipMsg::NameShort:
        return "The name of " + detail + " in the central directory of " + archive +
               " is cut short; the archive is truncated or damaged.";
    case ZipMsg::CommentShort:
        return "The comment of " + detail + " in the central directory of " + archive +
               " is cut short; the archive is truncated or damaged.";
    case ZipMsg::NotAZipArchive:
        return archive + " is not a zip archive (no end of central directory record).";
    case ZipMsg::MultiDisk:
        return archive + " is one part of an archive spread over several disks, which cannot "
                         "be read.";
    default:
        return archive + ": " + detail + ".";
    }
}

} // namespace

ZipMessage makeZipMessage(int number, const std::string& archive, const std::string& detail) {
    return {number, std::to_string(number) + ": " + sentence(number, archive, detail)};
}

} // namespace velkarn
