#include "stats/key_analysis.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "input/replay_feed.h"
#include "rules/actions.h"

namespace {

// Slowest first, by the mean wait.
std::vector<KeyStats> slowest_first(std::vector<KeyStats> keys) {
    std::stable_sort(keys.begin(), keys.end(),
                     [](const KeyStats& a, const KeyStats& b) { return a.mean_wait() > b.mean_wait(); });
    return keys;
}

}  // namespace

double KeyStats::mean_wait() const {
    return waits.empty() ? 0 : std::accumulate(waits.begin(), waits.end(), 0.0) / double(waits.size());
}

double KeyStats::median_wait() const {
    if (waits.empty()) return 0;
    std::vector<uint32_t> sorted = waits;
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (double(sorted[middle - 1]) + sorted[middle]) / 2;
}

size_t analyse_replay(const Replay& replay, std::vector<KeyStats>& all_keys) {
    Session session;
    ReplayFeed feed(session, replay.settings, replay.recording, replay.result);
    std::vector<KeyStats> keys = all_keys;
    start_play(session, 0);
    uint32_t arrival = 0;
    const auto watch = [&](const TimedKey& pressed, KeyOutcome outcome, const Game& after) {
        if (after.finished && pressed.at > after.end_ticks - after.start_ticks) return;
        auto found = std::find_if(keys.begin(), keys.end(), [&](const KeyStats& k) { return k.key == pressed.key; });
        if (found == keys.end()) found = keys.insert(keys.end(), KeyStats{pressed.key, 0, 0, 0, {}});
        found->presses += 1;
        found->waits.push_back(pressed.at - arrival);
        found->drops += outcome == KeyOutcome::Placed || outcome == KeyOutcome::Refused;
        found->refused += outcome == KeyOutcome::Refused;
        // Only a key that brought another piece starts the next wait.
        if (outcome == KeyOutcome::Placed || outcome == KeyOutcome::NewPiece) arrival = pressed.at;
    };
    const uint32_t end = std::max(feed.last_key_at(), game_mode_kind(replay.settings.game_mode).time_limit_ms);
    feed.feed(session, end, watch);
    const size_t diverged = feed.diverged_at(session, end);
    if (!diverged) all_keys = keys;
    return diverged;
}

std::string key_name(KeyCode key) {
    switch (key) {
        case KEY_BACKSPACE: return "Backspace";
        case KEY_SPACE: return "Space";
        default: return key > ' ' && key < 127 ? std::string(1, char(key)) : "key " + std::to_string(key);
    }
}

std::string keys_report(const std::vector<KeyStats>& keys) {
    if (keys.empty()) return "No keys were pressed in these games.\n";
    std::string text = "key        presses  mean ms  median ms  refused drops\n";
    for (const KeyStats& k : slowest_first(keys)) {
        char refused[32] = "-";
        if (k.drops > 0) std::snprintf(refused, sizeof refused, "%d of %d", k.refused, k.drops);
        char line[128];
        std::snprintf(line, sizeof line, "%-10s %7d %8.0f %10.0f  %s\n", key_name(k.key).c_str(), k.presses,
                      k.mean_wait(), k.median_wait(), refused);
        text += line;
    }
    return text;
}
