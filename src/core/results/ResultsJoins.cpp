#include "core/results/ResultsSql.h"
#include "core/results/ResultsStore.h"

// The servers Velkarn joined, for the recently played list.
namespace velkarn {

using namespace results;

long long ResultsStore::recordJoin(const std::string& address, const std::string& name,
                                   const std::string& installation, long long nowSeconds) {
    Sql sql(connection_, path_);
    const QSqlQuery q =
        sql.run("INSERT INTO joins (joined_at, address, name, installation) VALUES (?, ?, ?, ?)",
                {nowSeconds, bytes(address), bytes(name), bytes(installation)});
    return q.lastInsertId().toLongLong();
}

void ResultsStore::endJoin(long long joinId, long long nowSeconds) {
    Sql sql(connection_, path_);
    // A clock set back never makes a negative length.
    sql.run("UPDATE joins SET ended_at = max(?, joined_at) WHERE id = ? AND ended_at IS NULL",
            {nowSeconds, joinId});
}

std::vector<RecentServer> ResultsStore::recentServers(std::size_t maxServers) const {
    Sql sql(connection_, path_);
    // The name and time are the newest join's: SQLite takes bare columns from the max() row.
    QSqlQuery q = sql.run(
        "SELECT address, name, joined_at, max(id), count(*),"
        " sum(ended_at - joined_at) FROM joins GROUP BY address ORDER BY max(id) DESC LIMIT ?",
        {QVariant::fromValue(static_cast<qulonglong>(maxServers))});
    std::vector<RecentServer> servers;
    while (q.next()) {
        RecentServer server;
        server.address = text(q.value(0));
        server.name = text(q.value(1));
        server.lastJoinedAt = localTime(q.value(2).toLongLong());
        server.joins = q.value(4).toInt();
        if (!q.value(5).isNull())
            server.playedSeconds = q.value(5).toLongLong();
        servers.push_back(std::move(server));
    }
    return servers;
}

} // namespace velkarn
