#pragma once
// Reading what a picture view shows.

#include "pictures/Canvas.h"

namespace mirewalk {

// How many pixels of a view's image differ from its bare picture: the hero's.
inline int heroPixels(const Canvas& map)
{
    int count = 0;
    for (int y = 0; y < map.size().height(); ++y)
        for (int x = 0; x < map.size().width(); ++x)
            count += map.image().pixel(x, y) != map.picture().pixel(x, y);
    return count;
}

}  // namespace mirewalk
