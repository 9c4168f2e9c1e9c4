#pragma once
// The pictures built into the program: the first map, the hero's sprite pairs
// and the picture of one monster kind.

#include <QImage>

// A picture built into the program, decoded the first time it is asked for;
// every later game in the process shares the decoded picture. A picture that
// cannot be decoded is run-time error 481, naming it.
QImage builtIn(const char* name);
