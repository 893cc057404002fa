#include "input/replay_feed.h"

#include "model/actions.h"

ReplayFeed::ReplayFeed(Game& game, const Settings& settings, const Recording& recording) : keys_(recording.keys) {
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
        }
    }
    if (game.started) check_time_limit(game, now);
}
