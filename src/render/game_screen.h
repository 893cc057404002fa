// The game screen: one complete frame of play (backdrop, key legend and column lights, field,
// piece boxes, statistics, settings summary, rotation guide, countdown), drawn but not shown.
// While nothing but the time, the pieces per minute and the countdown changes, a frame is drawn
// from a copy the last whole frame kept, with only those texts drawn anew.
#pragma once

#include <cstdint>

#include "input/overlays.h"
#include "rules/session.h"
#include "render/resources.h"

void draw_game(const Session& session, const Resources& resources, const KeyHeld& held, uint32_t now);
