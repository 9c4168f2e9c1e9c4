#pragma once
// The game pads as a second keyboard: each key a pad gives reaches the game
// as the keyboard's own key would, through the window system's way in, so
// shortcuts, menus, modal boxes and the focus treat it as a key. Nothing runs
// while no pad is touched: one socket notifier per pad and one for the
// folder's watch, and a timer only while a direction is held.

#include <QObject>
#include <QString>
#include <QTimer>
#include <bitset>
#include <deque>
#include <map>
#include <optional>

#include "input/PadKey.h"
#include "input/PadReader.h"

class QSocketNotifier;

namespace mirewalk {

class PadInput : public QObject {
    Q_OBJECT
public:
    // Reads the pads in folder (an input device folder such as /dev/input)
    // from now on, those there now and those plugged in later, and gives
    // their keys to the window that has the keyboard focus, while the game is
    // the active application. Needs the application object.
    explicit PadInput(const QString& folder, QObject* parent = nullptr);
    ~PadInput() override;

    // The folder the game reads its pads from: MIREWALK_INPUT_DIR when it is
    // set and not empty (tests put FIFOs there), else /dev/input.
    static QString inputFolder();

private:
    void readReady(int descriptor);
    // One notifier for each of the reader's descriptors, and no others.
    void watchDescriptors();
    void take(const PadKeyChange& change);
    void send(PadKey key, bool down, bool repeated);
    void repeatHeld();
    // Forgets every key held, as the game stops being the active application.
    void letGo();

    PadReader reader_;
    std::map<int, QSocketNotifier*> notifiers_;
    unsigned watched_ = 0;              // the reader's generation the notifiers follow
    std::deque<PadKeyChange> pending_;  // read and not yet given to the game
    std::bitset<PadKeyCount> held_;     // keys pressed into the game and not yet released
    std::optional<PadKey> repeating_;   // the direction held last, which repeats
    QTimer repeat_;
};

}  // namespace mirewalk
