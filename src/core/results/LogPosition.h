#pragma once

#include "core/platform/FileSystem.h"

#include <string>

// Where reading a log stopped, and which file it was: a log replaced (another device or inode)
// or shortened is a new generation, read from its start; so is one whose bytes just before the
// read position are no longer those that were read (rewritten in place).
namespace velkarn::results {

class Sql;

struct Position {
    bool known = false;
    FileIdentity identity;
    long long generation = 0;
    unsigned long long offset = 0;
    std::string tail; // the bytes just before `offset`
};

// The bytes of the log just before `offset` that a position keeps to recognise the file.
std::string tailBefore(const std::string& path, unsigned long long offset);

Position positionOf(Sql& sql, const std::string& logPath);
void savePosition(Sql& sql, const std::string& logPath, const Position& position);

} // namespace velkarn::results
