#pragma once
// The pictures built into the program and held by the main window: the first
// map, the hero's two sprite pairs and the picture of one monster kind.

#include <QImage>

#include "pictures/Canvas.h"
#include "pictures/DrawHero.h"
#include "pictures/PictureFolder.h"
#include "rules/Movement.h"

namespace mirewalk {

struct BuiltInPictures {
    QImage M1;      // the first map, shown from the start
    Canvas HD;      // the hero from the front, on white
    Canvas HDmask;  // its mask: white where the figure shows, black elsewhere
    Canvas LR;      // the hero from the side, on white
    Canvas LRmask;
    Canvas EnemyL;  // a green creature: the picture of the monster "E.T"

    // The sprite pair the hero is drawn with.
    SpritePair pair(Facing facing) const
    {
        return facing == Facing::Front ? SpritePair{HD, HDmask} : SpritePair{LR, LRmask};
    }
};

// Reads the built-in pictures from folder, which keeps them decoded when it
// reads once, as the program's built-in folder does. A missing or broken one
// is a run-time error naming it.
BuiltInPictures loadBuiltInPictures(const PictureFolder& folder);

}  // namespace mirewalk
