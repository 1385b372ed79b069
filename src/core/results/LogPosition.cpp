#include "core/results/LogPosition.h"

#include "core/platform/TextFile.h"
#include "core/results/ResultsSql.h"

namespace velkarn::results {

namespace {

// How many bytes before the read position are kept to recognise the file.
constexpr unsigned long long TailBytes = 64;

} // namespace

std::string tailBefore(const std::string& path, unsigned long long offset) {
    const unsigned long long start = offset > TailBytes ? offset - TailBytes : 0;
    return readFileRange(path, start, static_cast<std::size_t>(offset - start));
}

Position positionOf(Sql& sql, const std::string& logPath) {
    Position position;
    QSqlQuery q = sql.run("SELECT device, inode, generation, read_offset, tail FROM"
                          " log_positions WHERE log_path = ?",
                          {bytes(logPath)});
    if (q.next()) {
        position.known = true;
        position.identity = {q.value(0).toULongLong(), q.value(1).toULongLong()};
        position.generation = q.value(2).toLongLong();
        position.offset = q.value(3).toULongLong();
        position.tail = text(q.value(4));
    }
    return position;
}

void savePosition(Sql& sql, const std::string& logPath, const Position& position) {
    sql.run("INSERT OR REPLACE INTO log_positions (log_path, device, inode, generation,"
            " read_offset, tail) VALUES (?, ?, ?, ?, ?, ?)",
            {bytes(logPath), QVariant::fromValue(position.identity.device),
             QVariant::fromValue(position.identity.inode), position.generation,
             QVariant::fromValue(position.offset), bytes(position.tail)});
}

} // namespace velkarn::results
