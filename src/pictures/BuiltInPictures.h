#pragma once
// The pictures built into the program: the first map, the hero's two sprite
// pairs and the picture of one monster kind.

#include <QImage>

#include "pictures/Canvas.h"
#include "pictures/DrawHero.h"
#include "pictures/PictureFolder.h"
#include "rules/Movement.h"

namespace mirewalk {

struct BuiltInPictures {
    QImage firstMap;       // M1.jpg, shown from the start
    Canvas heroFront;      // HD.png: the hero from the front, on white
    Canvas heroFrontMask;  // HDmask.png: white where the figure shows, black elsewhere
    Canvas heroSide;       // LR.png: the hero from the side, on white
    Canvas heroSideMask;   // LRmask.png
    Canvas alien;          // EnemyL.jpg: a green creature, the picture of the monster "E.T"

    // The sprite pair the hero is drawn with.
    SpritePair sprites(Facing facing) const
    {
        return facing == Facing::Front ? SpritePair{heroFront, heroFrontMask}
                                       : SpritePair{heroSide, heroSideMask};
    }
};

// Reads the built-in pictures from folder, which keeps them decoded when it
// reads once, as the program's built-in folder does. A missing or broken one
// is a run-time error naming it.
BuiltInPictures loadBuiltInPictures(const PictureFolder& folder);

}  // namespace mirewalk
