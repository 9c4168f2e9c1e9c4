#pragma once
// The game pads in an input device folder (/dev/input, or a folder standing
// in for it in tests): the pads there at the start and those that appear
// later, read as plain file descriptors, with no toolkit. It gives the keys
// the pads press and release; whoever waits on its descriptors calls it when
// one has something to read.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "input/PadKey.h"

namespace mirewalk {

class PadDevice;

class PadReader {
public:
    // Watches folder for event devices appearing, gaining permissions (which
    // come after the node) and going, and opens each event* there that looks
    // like a game pad. A folder that cannot be watched gives no pads later.
    explicit PadReader(std::string folder);
    ~PadReader();
    PadReader(const PadReader&) = delete;
    PadReader& operator=(const PadReader&) = delete;

    // The descriptors to wait on for reading: the folder's watch and each
    // pad's. They change after readReady: wait on the new set then.
    std::vector<int> descriptors() const;
    // A number that changes whenever the descriptors may have: a pad opened or closed.
    unsigned generation() const { return generation_; }
    // Reads what descriptor has ready, once, and returns the keys pressed and
    // released, in order. A key held on several pads or by several controls is
    // pressed by the first and released by the last. A pad that goes releases
    // what it held; a FIFO whose writer left is opened again for the next one.
    std::vector<PadKeyChange> readReady(int descriptor);

private:
    // Opens name as a pad unless it is one already.
    void open(const std::string& name);
    void openAll();
    void readWatch(std::vector<PadKeyChange>& changes);
    // Closes the pad at index, releasing what it held.
    void close(std::size_t index, std::vector<PadKeyChange>& changes);
    // Passes on a pad's changes that change what the pads hold together.
    void count(const std::vector<PadKeyChange>& changes, std::vector<PadKeyChange>& passed);

    std::string folder_;
    int watch_ = -1;
    unsigned generation_ = 0;
    std::vector<std::unique_ptr<PadDevice>> pads_;
    std::array<int, PadKeyCount> holders_{};  // how many pads hold each key
    std::vector<PadKeyChange> own_;           // one pad's changes, before they are counted
};

}  // namespace mirewalk
