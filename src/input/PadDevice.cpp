#include "PadDevice.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "input/PadMapping.h"

namespace mirewalk {

namespace {

constexpr int LongBits = sizeof(unsigned long) * CHAR_BIT;

// A bit array as the kernel fills it, in longs: enough for count bits.
template <int count>
using Bits = std::array<unsigned long, (count + LongBits - 1) / LongBits>;

// Whether bit n of a bit array the kernel filled is set.
template <int count>
bool has(const Bits<count>& bits, int n)
{
    return (bits[n / LongBits] >> (n % LongBits)) & 1UL;
}

// A key's place in the sets of keys held.
int indexOf(PadKey key) { return static_cast<int>(key); }

}  // namespace

// The node is opened first and looked at through its descriptor, so what is
// checked is what is read.
std::unique_ptr<PadDevice> PadDevice::open(const std::string& folder, const std::string& name)
{
    const std::string path = folder + '/' + name;
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return nullptr;
    struct stat status {};
    const bool known = fstat(descriptor, &status) == 0;
    const bool fifo = known && S_ISFIFO(status.st_mode);
    std::unique_ptr<PadDevice> pad(new PadDevice(descriptor, name, fifo));
    if (!fifo && !(known && S_ISCHR(status.st_mode)))
        return nullptr;
    if (!pad->describe())
        return nullptr;
    pad->readState();
    return pad;
}

// No axis is known until describe() reads them.
PadDevice::PadDevice(int descriptor, std::string name, bool fifo)
    : descriptor_(descriptor),
      name_(std::move(name)),
      fifo_(fifo)
{
    axisAt_.fill(-1);
}

// Closing is all: the device was never grabbed.
PadDevice::~PadDevice() { ::close(descriptor_); }

// A FIFO cannot be asked (its ioctls fail with ENOTTY): it takes the
// convention's ranges and counts as a pad with every control of the table.
bool PadDevice::describe()
{
    Bits<KEY_CNT> keys{};
    if (!fifo_) {
        Bits<EV_CNT> types{};
        if (ioctl(descriptor_, EVIOCGBIT(0, sizeof types), types.data()) < 0
            || !has<EV_CNT>(types, EV_KEY))
            return false;
        if (ioctl(descriptor_, EVIOCGBIT(EV_KEY, sizeof keys), keys.data()) < 0
            || !has<KEY_CNT>(keys, BTN_SOUTH))
            return false;
    }
    const auto bindings = padBindings();
    for (const PadBinding& binding : bindings) {
        if (binding.control == PadControl::Button || axisAt_[binding.code] >= 0)
            continue;
        PadRange range = defaultRange(binding.control);
        input_absinfo info{};
        if (!fifo_ && ioctl(descriptor_, EVIOCGABS(binding.code), &info) == 0
            && info.minimum < info.maximum)
            range = {info.minimum, info.maximum};
        axisAt_[binding.code] = static_cast<signed char>(axes_.size());
        Axis& axis = axes_.emplace_back();
        axis.code = binding.code;
        if (binding.control == PadControl::Trigger) {
            axis.rest2 = 2LL * range.minimum;
            axis.reach2 = 2LL * range.maximum - 2LL * range.minimum;
            // Where the pad has a button for the same key, this axis may be
            // something else (a second stick on some pads): the button serves.
            axis.ignored = !fifo_ && std::any_of(bindings.begin(), bindings.end(), [&](auto& other) {
                return other.control == PadControl::Button && other.key == binding.key
                    && has<KEY_CNT>(keys, other.code);
            });
        } else {
            axis.rest2 = static_cast<long long>(range.minimum) + range.maximum;
            axis.reach2 = static_cast<long long>(range.maximum) - range.minimum;
        }
    }
    return true;
}

// Used at opening and after a SYN_DROPPED; where a query fails every button
// counts as released and every axis as at rest.
void PadDevice::readState()
{
    buttons_.reset();
    Bits<KEY_CNT> keys{};
    if (!fifo_ && ioctl(descriptor_, EVIOCGKEY(sizeof keys), keys.data()) >= 0) {
        for (const PadBinding& binding : padBindings())
            if (binding.control == PadControl::Button)
                buttons_[binding.code] = has<KEY_CNT>(keys, binding.code);
    }
    for (Axis& axis : axes_) {
        axis.value = static_cast<int>(axis.rest2 / 2);
        input_absinfo info{};
        if (!fifo_ && ioctl(descriptor_, EVIOCGABS(axis.code), &info) == 0)
            axis.value = info.value;
    }
}

// One read at most, so a pad that floods cannot keep the game from its other
// work; a record cut short waits for its rest.
bool PadDevice::read(std::vector<PadKeyChange>& changes)
{
    const ssize_t got = ::read(descriptor_, buffer_.data() + kept_, buffer_.size() - kept_);
    if (got < 0)
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    if (got == 0)
        return false;
    kept_ += static_cast<std::size_t>(got);
    std::size_t used = 0;
    for (; kept_ - used >= sizeof(input_event); used += sizeof(input_event)) {
        input_event event{};
        std::memcpy(&event, buffer_.data() + used, sizeof event);
        take(event, changes);
    }
    std::memmove(buffer_.data(), buffer_.data() + used, kept_ - used);
    kept_ -= used;
    return true;
}

// Used when the device goes: nothing it held stays held.
void PadDevice::releaseAll(std::vector<PadKeyChange>& changes)
{
    for (int key = 0; key < PadKeyCount; ++key)
        if (held_[key])
            changes.push_back({static_cast<PadKey>(key), false});
    held_.reset();
}

// Records other than buttons, axes and frame ends, codes beyond the kernel's
// and button values other than 0, 1 and 2 (released, pressed, repeated) are
// ignored. After a SYN_DROPPED the records up to the next SYN_REPORT are
// discarded and the state read afresh.
void PadDevice::take(const input_event& event, std::vector<PadKeyChange>& changes)
{
    if (event.type == EV_SYN && event.code == SYN_DROPPED) {
        dropping_ = true;
    } else if (event.type == EV_SYN && event.code == SYN_REPORT) {
        if (dropping_)
            readState();
        dropping_ = false;
        commit(changes);
    } else if (dropping_) {
        return;
    } else if (event.type == EV_KEY && event.code < KEY_CNT && event.value >= 0 && event.value <= 2) {
        buttons_[event.code] = event.value != 0;
    } else if (event.type == EV_ABS && event.code < ABS_CNT && axisAt_[event.code] >= 0) {
        axes_[axisAt_[event.code]].value = event.value;
    }
}

// Releases come before presses, so a stick swung from one side to the other
// in one frame lets go of the first key before the second.
void PadDevice::commit(std::vector<PadKeyChange>& changes)
{
    for (Axis& axis : axes_)
        axis.side = sideOf(axis);
    std::bitset<PadKeyCount> held;
    for (const PadBinding& binding : padBindings())
        if (holds(binding))
            held.set(indexOf(binding.key));
    for (const bool down : {false, true})
        for (int key = 0; key < PadKeyCount; ++key)
            if (held[key] != held_[key] && held[key] == down)
                changes.push_back({static_cast<PadKey>(key), down});
    held_ = held;
}

// An axis holds its key for the side it was last committed to.
bool PadDevice::holds(const PadBinding& binding) const
{
    if (binding.control == PadControl::Button)
        return buttons_[binding.code];
    const Axis& axis = axes_[axisAt_[binding.code]];
    return !axis.ignored && axis.side == binding.side;
}

// An axis pushes its key from half its travel on, and lets go below 30 %:
// a stick resting near the threshold does not chatter.
int PadDevice::sideOf(const Axis& axis)
{
    const long long offset2 = 2LL * axis.value - axis.rest2;
    if (axis.side != 0 && axis.side * offset2 * 10 >= 3 * axis.reach2)
        return axis.side;
    if (offset2 * 2 >= axis.reach2)
        return 1;
    if (-offset2 * 2 >= axis.reach2)
        return -1;
    return 0;
}

}  // namespace mirewalk
