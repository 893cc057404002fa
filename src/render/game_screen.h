// The game screen: one frame of play (backdrop, key legend and column lights, field, piece boxes,
// statistics, settings summary, rotation guide, countdown) as the view it shows, worked out from
// the game, the keys held and the current time. The time, the pieces per minute and the countdown
// are its running texts.
#pragma once

#include <cstdint>

#include "input/overlays.h"
#include "render/screen_view.h"
#include "rules/session.h"

ScreenView game_view(const Session& session, const KeyHeld& held, uint32_t now);
