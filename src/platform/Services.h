#pragma once
// The platform services a game's windows are given: the random source, the
// dialogs and the end of the program, and the folder of picture files.

class Random;
class Dialogs;
class PictureFolder;

struct Services {
    Random& random;
    Dialogs& dialogs;
    const PictureFolder& pictures;
};
