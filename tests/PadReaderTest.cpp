#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include "input/PadReader.h"

using namespace mirewalk;

namespace {

input_event record(int type, int code, int value) { return {{}, __u16(type), __u16(code), value}; }
input_event button(int code, int value) { return record(EV_KEY, code, value); }
input_event axis(int code, int value) { return record(EV_ABS, code, value); }
const input_event Frame = record(EV_SYN, SYN_REPORT, 0);

// A folder standing in for /dev/input, with FIFOs as pads; removed after the test.
class Pads : public ::testing::Test {
protected:
    std::filesystem::path folder = mkdtemp(std::string("/tmp/mirewalk-pads-XXXXXX").data());

    ~Pads() override { std::filesystem::remove_all(folder); }

    std::string path(const char* name) const { return (folder / name).string(); }
    void plug(const char* name) { ASSERT_EQ(mkfifo(path(name).c_str(), 0600), 0); }
    // The pad's writer: the reader must have the FIFO open.
    int connect(const char* name) const { return open(path(name).c_str(), O_WRONLY | O_NONBLOCK); }
    static void send(int pad, std::initializer_list<input_event> events)
    {
        for (const input_event& event : events)
            ASSERT_EQ(write(pad, &event, sizeof event), ssize_t(sizeof event));
    }

    // Reads every descriptor of the reader until none has anything more, and
    // returns the keys it gave, as "Return down, Return up".
    static std::string pump(PadReader& reader)
    {
        static const char* const names[] = {
            "Up", "Down", "Left", "Right",    "Return", "Escape", "C",         "L",       "D",
            "I",  "A",    "Tab",  "ShiftTab", "AltG",   "F11",    "CtrlMinus", "CtrlPlus"};
        std::string keys;
        for (bool more = true; more;) {
            more = false;
            for (const int descriptor : reader.descriptors()) {
                pollfd ready{descriptor, POLLIN, 0};
                if (poll(&ready, 1, 0) != 1)
                    continue;
                more = true;
                for (const PadKeyChange& change : reader.readReady(descriptor))
                    keys += (keys.empty() ? "" : ", ") + std::string(names[int(change.key)])
                        + (change.down ? " down" : " up");
            }
        }
        return keys;
    }
};

TEST_F(Pads, GiveEachControlItsKey)
{
    plug("event0");
    PadReader reader(folder);
    const int pad = connect("event0");
    const std::pair<int, std::string> buttons[] = {
        {BTN_DPAD_UP, "Up"},     {BTN_DPAD_DOWN, "Down"},
        {BTN_DPAD_LEFT, "Left"}, {BTN_DPAD_RIGHT, "Right"},
        {BTN_SOUTH, "Return"},   {BTN_EAST, "Escape"},
        {BTN_WEST, "C"},         {BTN_NORTH, "L"},
        {BTN_TL2, "D"},          {BTN_TR2, "I"},
        {BTN_TL, "ShiftTab"},    {BTN_TR, "Tab"},
        {BTN_SELECT, "A"},       {BTN_START, "AltG"},
        {BTN_MODE, "F11"},       {BTN_THUMBL, "CtrlMinus"},
        {BTN_THUMBR, "CtrlPlus"}};
    for (const auto& [code, key] : buttons) {
        send(pad, {button(code, 1), Frame, button(code, 0), Frame});
        EXPECT_EQ(pump(reader), key + " down, " + key + " up") << "button " << code;
    }
    const std::tuple<int, int, std::string> axes[] = {
        {ABS_HAT0X, -1, "Left"}, {ABS_HAT0X, 1, "Right"}, {ABS_HAT0Y, -1, "Up"},
        {ABS_HAT0Y, 1, "Down"},  {ABS_X, -32768, "Left"}, {ABS_X, 32767, "Right"},
        {ABS_Y, -32768, "Up"},   {ABS_Y, 32767, "Down"},  {ABS_Z, 255, "D"},
        {ABS_RZ, 255, "I"}};
    for (const auto& [code, value, key] : axes) {
        send(pad, {axis(code, value), Frame, axis(code, 0), Frame});
        EXPECT_EQ(pump(reader), key + " down, " + key + " up") << "axis " << code << " at " << value;
    }
    close(pad);
}

TEST_F(Pads, TurnAnAxisAtHalfItsTravelAndLetGoBelowThirtyPercent)
{
    plug("event0");
    PadReader reader(folder);
    const int pad = connect("event0");
    const std::tuple<int, int, std::string> steps[] = {{ABS_X, 16383, ""},
                                                       {ABS_X, 16384, "Right down"},
                                                       {ABS_X, 9830, ""},
                                                       {ABS_X, 9829, "Right up"},
                                                       {ABS_X, -16384, ""},
                                                       {ABS_X, -16385, "Left down"},
                                                       {ABS_X, 32767, "Left up, Right down"},
                                                       {ABS_X, 0, "Right up"},
                                                       {ABS_Z, 127, ""},
                                                       {ABS_Z, 128, "D down"},
                                                       {ABS_Z, 77, ""},
                                                       {ABS_Z, 76, "D up"}};
    for (const auto& [code, value, keys] : steps) {
        send(pad, {axis(code, value), Frame});
        EXPECT_EQ(pump(reader), keys) << "axis " << code << " at " << value;
    }
    close(pad);
}

TEST_F(Pads, PressAKeyHeldTwiceOnceAndReleaseItWithTheLast)
{
    plug("event0");
    plug("event1");
    PadReader reader(folder);
    const int first = connect("event0"), second = connect("event1");
    send(first, {button(BTN_DPAD_UP, 1), axis(ABS_HAT0Y, -1), Frame});
    send(second, {axis(ABS_Y, -32768), Frame});
    EXPECT_EQ(pump(reader), "Up down");
    send(first, {button(BTN_DPAD_UP, 0), Frame, axis(ABS_HAT0Y, 0), Frame});
    EXPECT_EQ(pump(reader), "");
    close(second);  // the second pad goes with the key held
    EXPECT_EQ(pump(reader), "Up up");
    close(first);
}

TEST_F(Pads, AreTakenAsTheyAppearAndForgottenAsTheyGo)
{
    PadReader reader(folder);
    plug("event4");
    std::ofstream(path("event5")) << "not a pad";
    plug("js0");
    EXPECT_EQ(pump(reader), "");
    EXPECT_EQ(reader.descriptors().size(), 2u) << "the watch and event4 only";

    int pad = connect("event4");
    send(pad, {button(BTN_SOUTH, 1), Frame});
    EXPECT_EQ(pump(reader), "Return down");
    close(pad);  // the writer leaves mid-press: a new one may come
    EXPECT_EQ(pump(reader), "Return up");
    pad = connect("event4");
    ASSERT_GE(pad, 0);
    send(pad, {button(BTN_SOUTH, 1), Frame});
    EXPECT_EQ(pump(reader), "Return down");
    std::filesystem::remove(path("event4"));
    EXPECT_EQ(pump(reader), "Return up");
    EXPECT_EQ(reader.descriptors().size(), 1u);
    close(pad);
}

TEST_F(Pads, ResynchroniseAfterDroppedRecords)
{
    plug("event0");
    PadReader reader(folder);
    const int pad = connect("event0");
    send(pad, {button(BTN_SOUTH, 1), axis(ABS_X, 32767), Frame});
    EXPECT_EQ(pump(reader), "Right down, Return down");
    // Lost in the drop: everything up to the next frame's end, which finds a
    // FIFO (which cannot be asked) released and at rest.
    send(pad, {record(EV_SYN, SYN_DROPPED, 0), button(BTN_EAST, 1), Frame});
    EXPECT_EQ(pump(reader), "Right up, Return up");
    send(pad, {button(BTN_EAST, 0), Frame, button(BTN_WEST, 1), Frame});
    EXPECT_EQ(pump(reader), "C down");
    close(pad);
}

TEST_F(Pads, IgnoreNonsenseAndWaitForTheRestOfARecord)
{
    plug("event0");
    PadReader reader(folder);
    const int pad = connect("event0");
    send(pad,
         {record(0x1f, 5, 9), record(EV_MSC, MSC_SCAN, 4), button(0xffff, 1), axis(0xffff, 1),
          button(BTN_SOUTH, 7), button(KEY_A, 1), axis(ABS_HAT0X, INT_MAX), Frame});
    EXPECT_EQ(pump(reader), "Right down");
    send(pad, {axis(ABS_HAT0X, INT_MIN), Frame});
    EXPECT_EQ(pump(reader), "Right up, Left down");

    const input_event press[] = {button(BTN_EAST, 1), Frame};
    const auto* bytes = reinterpret_cast<const char*>(press);
    ASSERT_EQ(write(pad, bytes, 10), 10);
    EXPECT_EQ(pump(reader), "");
    ASSERT_EQ(write(pad, bytes + 10, sizeof press - 10), ssize_t(sizeof press - 10));
    EXPECT_EQ(pump(reader), "Escape down");
    ASSERT_EQ(write(pad, bytes, 10), 10);
    close(pad);  // gone with half a record
    EXPECT_EQ(pump(reader), "Left up, Escape up");
}

}  // namespace
