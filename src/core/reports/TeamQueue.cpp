#include "core/reports/TeamQueue.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

namespace scorvane {

namespace {

// More threads than this gain nothing: reading is bound by the copy out of the page cache.
constexpr int MaxThreads = 4;

// The teams still to read and the parts read so far, shared by the calling thread and its
// helpers. A helper may outlive the call (see readTeamParts), so it holds its own copy of the
// input.
struct TeamQueue
{
    TeamQueue(const PlayerStatsInput& in, const QList<int>& teams)
        : input(in)
        , slots(teams)
        , parts(static_cast<std::size_t>(teams.size()))
    { }

    // Reads teams nobody has taken until none is left.
    void takeTeams(TeamStatsReader& reader)
    {
        for (int i = next++; i < slots.size(); i = next++)
            offer(i, reader.read(slots[i]));
    }

    // The first part read of a team is kept; a second reading of it is dropped.
    void offer(int i, TeamStatsPart&& part)
    {
        const std::lock_guard lock(mutex);
        std::optional<TeamStatsPart>& kept = parts[static_cast<std::size_t>(i)];
        if (!kept)
            kept = std::move(part);
    }

    bool has(int i)
    {
        const std::lock_guard lock(mutex);
        return parts[static_cast<std::size_t>(i)].has_value();
    }

    const PlayerStatsInput input;
    const QList<int> slots;
    std::atomic<int> next{0};
    std::mutex mutex;
    std::vector<std::optional<TeamStatsPart>> parts; // guarded by the mutex
};

int threadCount(const PlayerStatsInput& input, qsizetype teams)
{
    const int wanted
        = input.threads > 0 ? input.threads : std::min(QThread::idealThreadCount(), MaxThreads);
    return static_cast<int>(std::min<qsizetype>(wanted, teams));
}

} // namespace

std::vector<TeamStatsPart> readTeamParts(const PlayerStatsInput& input, const QList<int>& slots)
{
    const auto queue = std::make_shared<TeamQueue>(input, slots);
    const int threads = threadCount(input, slots.size());
    for (int h = 1; h < threads; ++h) {
        QThreadPool::globalInstance()->start([queue] {
            try {
                TeamStatsReader reader(queue->input);
                queue->takeTeams(reader);
            } catch (...) {
                // The calling thread reads whatever a helper left unread.
            }
        });
    }
    TeamStatsReader reader(queue->input);
    queue->takeTeams(reader);
    // A helper the system holds back may still be on its last team. Reading that team here
    // again costs less than waiting for the helper's next turn on a busy processor.
    for (int i = 0; i < slots.size(); ++i) {
        if (!queue->has(i))
            queue->offer(i, reader.read(slots[i]));
    }
    const std::lock_guard lock(queue->mutex);
    std::vector<TeamStatsPart> parts;
    parts.reserve(queue->parts.size());
    for (std::optional<TeamStatsPart>& part : queue->parts)
        parts.push_back(std::move(*part));
    return parts;
}

} // namespace scorvane
