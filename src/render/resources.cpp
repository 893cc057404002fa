#include "render/resources.h"

namespace {

Mix_Chunk* Resources::*const NAMED_SOUNDS[] = {
    &Resources::rotateSound,        &Resources::holdSound,       &Resources::rewindSound,
    &Resources::hurrySound,         &Resources::finishSound,     &Resources::menuGameStartSound,
    &Resources::menuChooseSound,    &Resources::menuSelectSound, &Resources::menuCancelSound,
    &Resources::menuQuitSound,      &Resources::countdownSound,  &Resources::countdownStartSound};
const char* const NAMED_SOUND_FILES[] = {
    "sfx/rotate.ogg",     "sfx/hold.ogg",       "sfx/rewind.ogg",     "sfx/hurry.ogg",
    "sfx/finish.ogg",     "sfx/menugamestart.ogg", "sfx/menuchoose.ogg", "sfx/menuselect.ogg",
    "sfx/menucancel.ogg", "sfx/menuquit.ogg",   "sfx/countdown.ogg",  "sfx/countdownstart.ogg"};

}  // namespace

Resources::Resources() : loaded_(true) {
    for (int i = 0; i < 12; ++i) this->*NAMED_SOUNDS[i] = Mix_LoadWAV(NAMED_SOUND_FILES[i]);
}

Resources::Resources(Unloaded) {}

Resources::~Resources() {
    if (!loaded_) return;
    for (Mix_Chunk* Resources::*sound : NAMED_SOUNDS) Mix_FreeChunk(this->*sound);
}
