#include "PadReader.h"

#include <dirent.h>
#include <sys/inotify.h>
#include <unistd.h>
#include <utility>

#include "input/PadDevice.h"

namespace mirewalk {

namespace {

// Whether a node's name is an event device's.
bool isEventName(const std::string& name) { return name.rfind("event", 0) == 0; }

}  // namespace

// The watch comes first, so a pad that appears during the first look is seen.
PadReader::PadReader(std::string folder) : folder_(std::move(folder))
{
    watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ >= 0
        && inotify_add_watch(watch_, folder_.c_str(), IN_CREATE | IN_ATTRIB | IN_DELETE) < 0) {
        ::close(watch_);
        watch_ = -1;
    }
    openAll();
}

// The pads close their own descriptors.
PadReader::~PadReader()
{
    if (watch_ >= 0)
        ::close(watch_);
}

// The watch first, then the pads in the order they were opened.
std::vector<int> PadReader::descriptors() const
{
    std::vector<int> all;
    if (watch_ >= 0)
        all.push_back(watch_);
    for (const auto& pad : pads_)
        all.push_back(pad->descriptor());
    return all;
}

// A pad's changes are counted across the pads before they are passed on.
std::vector<PadKeyChange> PadReader::readReady(int descriptor)
{
    std::vector<PadKeyChange> changes;
    if (descriptor == watch_ && watch_ >= 0) {
        readWatch(changes);
        return changes;
    }
    for (std::size_t index = 0; index < pads_.size(); ++index) {
        PadDevice& pad = *pads_[index];
        if (pad.descriptor() != descriptor)
            continue;
        own_.clear();
        const bool there = pad.read(own_);
        count(own_, changes);
        if (!there) {
            const std::string name = pad.name();
            const bool fifo = pad.isFifo();
            close(index, changes);
            if (fifo)
                open(name);
        }
        break;
    }
    return changes;
}

// A node that is not a pad is looked at again only when it changes.
void PadReader::open(const std::string& name)
{
    for (const auto& pad : pads_)
        if (pad->name() == name)
            return;
    if (auto pad = PadDevice::open(folder_, name)) {
        pads_.push_back(std::move(pad));
        ++generation_;
    }
}

// Used at the start and when the watch lost events: every event* of the folder.
void PadReader::openAll()
{
    DIR* folder = opendir(folder_.c_str());
    if (!folder)
        return;
    while (const dirent* entry = readdir(folder))
        if (isEventName(entry->d_name))
            open(entry->d_name);
    closedir(folder);
}

// Reads one buffer of the watch's events: a node created or given new
// permissions may now be a pad; a node deleted takes its pad with it.
void PadReader::readWatch(std::vector<PadKeyChange>& changes)
{
    alignas(inotify_event) char buffer[4096];
    const ssize_t got = ::read(watch_, buffer, sizeof buffer);
    for (ssize_t at = 0; got > 0 && at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        if (event->mask & IN_Q_OVERFLOW)
            openAll();
        const std::string name = event->len > 0 ? event->name : "";
        if (!isEventName(name))
            continue;
        if (event->mask & (IN_CREATE | IN_ATTRIB))
            open(name);
        for (std::size_t index = 0; (event->mask & IN_DELETE) && index < pads_.size(); ++index) {
            if (pads_[index]->name() == name) {
                close(index, changes);
                break;
            }
        }
    }
}

// The pad's descriptor is closed with it.
void PadReader::close(std::size_t index, std::vector<PadKeyChange>& changes)
{
    own_.clear();
    pads_[index]->releaseAll(own_);
    count(own_, changes);
    pads_.erase(pads_.begin() + static_cast<std::ptrdiff_t>(index));
    ++generation_;
}

// A press passes when no pad held the key, a release when the last lets go.
void PadReader::count(const std::vector<PadKeyChange>& changes, std::vector<PadKeyChange>& passed)
{
    for (const PadKeyChange& change : changes) {
        int& holders = holders_[static_cast<int>(change.key)];
        if (change.down ? holders++ == 0 : holders > 0 && --holders == 0)
            passed.push_back(change);
    }
}

}  // namespace mirewalk
