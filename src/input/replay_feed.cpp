#include "input/replay_feed.h"

#include "model/actions.h"

ReplayFeed::ReplayFeed(Game& game, const Settings& settings, const Recording& recording,
                       const std::optional<GameResult>& expected)
    : keys_(recording.keys), expected_(expected) {
    game.settings = settings;
    game.replayed_deals = recording.dealt;
    game.reset();
}

void ReplayFeed::feed(Game& game, uint32_t now, const KeyWatcher& watch) {
    while (game.started && next_ < keys_.size() && keys_[next_].at <= now - game.start_ticks) {
        // The keys of one frame share its time, and the frame checked the clock before them.
        const uint32_t frame_at = keys_[next_].at;
        check_time_limit(game, game.start_ticks + frame_at);
        for (; next_ < keys_.size() && keys_[next_].at == frame_at; ++next_) {
            const KeyOutcome outcome = handle_game_key(game, keys_[next_].key, game.start_ticks + frame_at);
            if (watch) watch(keys_[next_], outcome, game);
            // Only an undo can take back a finish, so a recording ends with the key that finished.
            if (game.finished && !game.settings.practice_mode && next_ + 1 < keys_.size() && !finished_early_)
                finished_early_ = next_ + 1;
        }
    }
    if (game.started) check_time_limit(game, now);
}

size_t ReplayFeed::diverged_at(const Game& game, uint32_t now) const {
    if (!expected_) return 0;
    if (finished_early_) return finished_early_;
    if (!done() || !game.started) return 0;
    if (game.finished) return game.result() == *expected_ ? 0 : keys_.size();
    return now - game.start_ticks > expected_->time_ms ? keys_.size() : 0;
}
