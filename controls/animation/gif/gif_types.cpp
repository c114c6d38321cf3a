#include "controls/animation/gif/gif_types.h"

std::string TExtension::Text() const {
    std::string text;
    for (const std::string& block : SubBlocks) text += block;
    return text;
}
