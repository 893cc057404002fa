#include "persist/results.h"

#include <cstdio>

#include "persist/player_folder.h"
#include "persist/replay_file.h"
#include "persist/screenshot_file.h"
#include "rules/session.h"

bool KeptResult::belongs_to(const Session& session) const { return record && game_start == session.game.start_ticks; }

std::string KeptResult::stem() const {
    const std::string extension = REPLAY_EXTENSION;
    return replay.empty() ? "" : replay.substr(0, replay.size() - extension.size());
}

void keep_result(const Session& session, std::time_t now, KeptResult& kept) {
    const std::string records = player_file_to_write(RECORDS_FILE_NAME);
    if (kept.belongs_to(session)) {
        withdraw_record(*kept.record, records);
        if (!kept.replay.empty()) std::remove(kept.replay.c_str());
    }
    kept.game_start = session.game.start_ticks;
    kept.record = record_of(session, now);
    append_record(*kept.record, records);
    kept.replay = write_replay(session, player_file_to_write(screenshot_base_name(session, now)));
}
