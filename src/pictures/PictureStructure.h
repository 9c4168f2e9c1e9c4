#pragma once
// Whether a picture file is whole: not cut short, and built as its format
// says. A JPEG is a start marker, segments each within the file, a frame and
// at least one scan, and the end marker; a PNG is its signature, chunks each
// within the file with a correct checksum, the header chunk first and the end
// chunk. This sees a file cut anywhere and a broken structure, whatever Qt's
// logging is set to. It cannot see a changed byte of a JPEG's coded data: a
// JPEG has no checksum, and such a file decodes into a picture with a block
// of garbage. Files of other formats are left to their decoder.

#include <QByteArray>

namespace mirewalk {

bool wholePicture(const QByteArray& bytes);

}  // namespace mirewalk
