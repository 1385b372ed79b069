#include "core/results/ResultsSql.h"
#include "core/results/ResultsStore.h"

// The small settings the store keeps beside the results.
namespace velkarn {

using namespace results;

std::optional<std::string> ResultsStore::preference(const std::string& key) const {
    Sql sql(connection_, path_);
    QSqlQuery q = sql.run("SELECT value FROM preferences WHERE key = ?", {bytes(key)});
    if (!q.next())
        return std::nullopt;
    return text(q.value(0));
}

void ResultsStore::setPreference(const std::string& key, const std::string& value) {
    Sql sql(connection_, path_);
    sql.run("INSERT OR REPLACE INTO preferences (key, value) VALUES (?, ?)",
            {bytes(key), bytes(value)});
}

} // namespace velkarn
