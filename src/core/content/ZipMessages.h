#pragma once

#include <functional>
#include <string>

// The archive component's messages: every problem with an archive is reported by number with a
// text that names the archive, never thrown at the caller.
namespace velkarn {

namespace ZipMsg {
constexpr int OutOfMemory = 10103;        // listing
constexpr int DirectorySeek = 10201;      // listing: the central directory lies outside the file
constexpr int ListingFailed = 10202;      // listing: any other problem
constexpr int DataInFront = 10203;        // listing, warning: offsets corrected
constexpr int DataAfterEnd = 10204;       // listing, warning: trailing data ignored
constexpr int EntryReadFailed = 10501;    // reading an entry
constexpr int CannotOpen = 11001;         // listing
constexpr int EndRecordSeek = 11008;      // listing
constexpr int EndRecordRead = 11011;      // listing
constexpr int DirectoryShort = 11013;     // listing: central directory runs short
constexpr int BadHeaderSignature = 11015; // listing
constexpr int NameShort = 11017;          // listing
constexpr int CommentShort = 11022;       // listing
constexpr int NotAZipArchive = 11036;     // listing: no end record
constexpr int MultiDisk = 11037;          // listing: a spanned archive
} // namespace ZipMsg

struct ZipMessage {
    int number = 0;
    std::string text; // "<number>: <sentence naming the archive>"
};

// Receives the messages of an archive component; an empty handler drops them.
using ZipMessageHandler = std::function<void(const ZipMessage&)>;

// The message of `number` about `archive`; `detail` fills the part the number leaves open
// (an entry name, a system error text, a count).
ZipMessage makeZipMessage(int number, const std::string& archive, const std::string& detail = {});

} // namespace velkarn
