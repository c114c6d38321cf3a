#include "controls/animation/gif/gif_settings.h"

bool TolerateCorruptData = true;
