#pragma once
// The pictures built into the program: the first map, the hero's two sprite
// pairs and the picture of one monster kind.

#include <QImage>

#include "pictures/DrawHero.h"
#include "rules/Movement.h"

namespace mirewalk {

struct BuiltInPictures {
    QImage firstMap;       // M1.jpg, shown from the start
    QImage heroFront;      // HD.png: the hero from the front, on white
    QImage heroFrontMask;  // HDmask.png: white where the figure shows, black elsewhere
    QImage heroSide;       // LR.png: the hero from the side, on white
    QImage heroSideMask;   // LRmask.png
    QImage alien;          // EnemyL.jpg: a green creature, the picture of the monster "E.T"

    // The sprite pair the hero is drawn with.
    SpritePair sprites(Facing facing) const
    {
        return facing == Facing::Front ? SpritePair{heroFront, heroFrontMask}
                                       : SpritePair{heroSide, heroSideMask};
    }
};

// The pictures built into the program, read and decoded the first time they
// are asked for and kept: they cannot change while the program runs. One that
// cannot be read is a run-time error naming it, as for a file.
const BuiltInPictures& loadBuiltInPictures();

}  // namespace mirewalk
