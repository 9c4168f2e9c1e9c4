#pragma once
// The platform services a game's windows are given: the random source, the
// dialogs, the end of the program, and the folder of picture files beside the
// program. The program builds them all and passes them in; nothing is
// reached through a global.

#include "pictures/PictureFolder.h"

namespace mirewalk {

class Random;
class Dialogs;
class ProgramExit;

struct Services {
    Random& random;
    Dialogs& dialogs;
    ProgramExit& exit;
    const PictureFolder& pictures;
};

}  // namespace mirewalk
