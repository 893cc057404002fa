#include "input/replay_feed.h"

#include "rules/actions.h"

ReplayFeed::ReplayFeed(Session& session, const Settings& settings, const Recording& recording,
                       const std::optional<GameResult>& expected)
    : keys_(recording.keys), expected_(expected) {
    session.settings = settings;
    session.replayed_deals = recording.dealt;
    session.reset();
}

void ReplayFeed::feed(Session& session, uint32_t now, const KeyWatcher& watch) {
    while (session.game.started && next_ < keys_.size() && keys_[next_].at <= now - session.game.start_ticks) {
        // The keys of one frame share its time, and the frame checked the clock before them.
        const uint32_t frame_at = keys_[next_].at;
        check_time_limit(session, session.game.start_ticks + frame_at);
        for (; next_ < keys_.size() && keys_[next_].at == frame_at; ++next_) {
            const KeyOutcome outcome = handle_game_key(session, keys_[next_].key, session.game.start_ticks + frame_at);
            if (watch) watch(keys_[next_], outcome, session.game);
            // Only an undo can take back a finish, so a recording ends with the key that finished.
            if (session.game.finished && !session.settings.practice_mode && next_ + 1 < keys_.size() &&
                !finished_early_)
                finished_early_ = next_ + 1;
        }
    }
    if (session.game.started) check_time_limit(session, now);
}

size_t ReplayFeed::diverged_at(const Session& session, uint32_t now) const {
    if (!expected_) return 0;
    if (finished_early_) return finished_early_;
    if (!done() || !session.game.started) return 0;
    if (session.game.finished) return session.result() == *expected_ ? 0 : keys_.size();
    return now - session.game.start_ticks > expected_->time_ms ? keys_.size() : 0;
}
