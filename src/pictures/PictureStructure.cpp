#include "PictureStructure.h"

#include <array>
#include <cstdint>

namespace mirewalk {

namespace {

// The byte at index, as an unsigned number.
unsigned at(const QByteArray& bytes, qsizetype index)
{
    return static_cast<unsigned char>(bytes[index]);
}

// A big-endian number of count bytes at index.
std::uint32_t bigEndian(const QByteArray& bytes, qsizetype index, int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | at(bytes, index + i);
    return value;
}

// A marker that stands alone, with no length after it: a restart or TEM.
bool standalone(unsigned marker) { return marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7); }

// The index just past a scan's coded data that starts at index: the next
// marker that is not a stuffed zero or a restart; the end of the file when
// there is none.
qsizetype pastCodedData(const QByteArray& bytes, qsizetype index)
{
    while (index + 1 < bytes.size()) {
        if (at(bytes, index) != 0xff) {
            ++index;
            continue;
        }
        qsizetype next = index + 1;
        while (next < bytes.size() && at(bytes, next) == 0xff)
            ++next;
        if (next < bytes.size() && at(bytes, next) != 0x00 && !standalone(at(bytes, next)))
            return index;
        index = next + 1;
    }
    return bytes.size();
}

bool wholeJpeg(const QByteArray& bytes)
{
    bool frame = false;
    bool scan = false;
    qsizetype index = 2;  // past the start marker
    while (index < bytes.size()) {
        if (at(bytes, index) != 0xff)
            return false;
        while (index < bytes.size() && at(bytes, index) == 0xff)
            ++index;
        if (index >= bytes.size())
            return false;
        const unsigned marker = at(bytes, index++);
        if (marker == 0xd9)  // the end
            return frame && scan;
        if (marker == 0x00 || marker == 0xd8)
            return false;
        if (standalone(marker))
            continue;
        if (index + 2 > bytes.size())
            return false;
        const qsizetype length = bigEndian(bytes, index, 2);
        if (length < 2 || index + length > bytes.size())
            return false;
        index += length;
        frame = frame
            || (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8
                && marker != 0xcc);
        if (marker == 0xda) {
            if (!frame)
                return false;
            scan = true;
            index = pastCodedData(bytes, index);
        }
    }
    return false;  // cut before its end
}

// The CRC-32 of PNG chunks (ISO 3309), over count bytes at index.
std::uint32_t crc32(const QByteArray& bytes, qsizetype index, qsizetype count)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t c = 0xffffffffu;
    for (qsizetype i = index; i < index + count; ++i)
        c = table[(c ^ at(bytes, i)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

bool wholePng(const QByteArray& bytes)
{
    qsizetype index = 8;  // past the signature
    bool first = true;
    while (index + 12 <= bytes.size()) {
        const qsizetype length = bigEndian(bytes, index, 4);
        const QByteArray type = bytes.mid(index + 4, 4);
        if (length > bytes.size() - index - 12)
            return false;
        if (crc32(bytes, index + 4, length + 4) != bigEndian(bytes, index + 8 + length, 4))
            return false;
        if (first && type != "IHDR")
            return false;
        if (type == "IEND")
            return !first;
        first = false;
        index += length + 12;
    }
    return false;  // cut before its end
}

}  // namespace

bool wholePicture(const QByteArray& bytes)
{
    if (bytes.startsWith("\xff\xd8"))
        return wholeJpeg(bytes);
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return wholePng(bytes);
    return true;
}

}  // namespace mirewalk
