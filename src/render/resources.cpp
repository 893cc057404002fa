#include "render/resources.h"

Resources::Resources() : loaded_(true) {}

Resources::Resources(Unloaded) {}

Resources::~Resources() {}
