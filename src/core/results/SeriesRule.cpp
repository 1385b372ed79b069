#include "core/results/SeriesRule.h"

#include <QDateTime>
#include <QString>

namespace velkarn::results {

namespace {

// A map change (intermission, loading) takes well under a minute; a longer pause between two
// maps of the log means the game was started again.
constexpr long long MaxSecondsBetweenMaps = 300;

std::optional<long long> secondsOf(const std::string& localTimeText) {
    const QDateTime time =
        QDateTime::fromString(QString::fromLatin1(localTimeText.c_str()), "yyyy-MM-dd HH:mm:ss");
    if (!time.isValid())
        return std::nullopt;
    return time.toSecsSinceEpoch();
}

} // namespace

SeriesChoice chooseSeries(std::optional<unsigned long long> launchOffset,
                          const std::optional<PreviousMatch>& previous, const LogMatch& match) {
    if (launchOffset && (!previous || previous->offset < *launchOffset))
        return SeriesChoice::Launch;
    if (previous && sameRun(*previous, match))
        return SeriesChoice::Previous;
    return SeriesChoice::New;
}

bool sameRun(const PreviousMatch& previous, const LogMatch& next) {
    if (!previous.timeFromGame || next.startedAt.empty())
        return true;
    const auto before = secondsOf(previous.playedAt);
    const auto after = secondsOf(next.startedAt);
    if (!before || !after)
        return true;
    const long long gap = *after - (*before + previous.durationSeconds);
    return gap >= -MaxSecondsBetweenMaps && gap <= MaxSecondsBetweenMaps;
}

} // namespace velkarn::results
