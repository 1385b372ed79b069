#include "core/demos/MatchDemo.h"

#include "core/platform/NoCase.h"

#include <QDateTime>

namespace velkarn {

namespace {

constexpr long long LeewaySeconds = 60;

} // namespace

const DemoEntry* demoOfMatch(const std::vector<DemoEntry>& demos, const std::string& map,
                             long long playedAtSeconds) {
    for (const DemoEntry& demo : demos) {
        const DemoFacts& facts = demo.read.facts;
        if (!demo.entry.empty() || demo.read.status != DemoReadStatus::Ok ||
            !equalsNoCase(facts.map, map))
            continue;
        const long long end = demo.modifiedSeconds;
        const long long start = end - (facts.lengthMs > 0 ? facts.lengthMs / 1000 : 0);
        if (playedAtSeconds >= start - LeewaySeconds && playedAtSeconds <= end + LeewaySeconds)
            return &demo;
    }
    return nullptr;
}

const DemoEntry* demoOfMatch(const std::vector<DemoEntry>& demos, const std::string& map,
                             const std::string& playedAt) {
    const auto time =
        QDateTime::fromString(QString::fromStdString(playedAt), "yyyy-MM-dd HH:mm:ss");
    return time.isValid() ? demoOfMatch(demos, map, time.toSecsSinceEpoch()) : nullptr;
}

} // namespace velkarn
