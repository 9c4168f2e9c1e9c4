// Reading a picture file: a file cut short or built wrong is no picture,
// whatever Qt's logging is set to.

#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "pictures/PictureFolder.h"
#include "pictures/PictureStructure.h"

using namespace mirewalk;

namespace {

QByteArray bytesOf(const char* relative)
{
    QFile file(QStringLiteral(MIREWALK_SOURCE_DIR "/") + QLatin1String(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes with count bytes at index replaced by replacement.
QByteArray changed(QByteArray bytes, qsizetype index, const QByteArray& replacement)
{
    return bytes.replace(index < 0 ? bytes.size() + index : index, replacement.size(), replacement);
}

}  // namespace

TEST(PictureStructure, SeesAFileCutShortOrBuiltWrong)
{
    const QByteArray jpeg = bytesOf("Maps/M2.jpg");
    const QByteArray png = bytesOf("src/pictures/builtin/HD.png");
    const qsizetype scan = jpeg.indexOf("\xff\xda");
    const struct {
        const char* label;
        QByteArray bytes;
        bool whole;
    } cases[] = {
        {"a map", jpeg, true},
        {"a map cut at 700 bytes", jpeg.left(700), false},
        {"a map cut before its end marker", jpeg.chopped(2), false},
        {"a map with bytes after its end", jpeg + "trailing", true},
        {"a segment longer than the file", changed(jpeg, 4, "\xff\xff"), false},
        {"a segment shorter than its length", changed(jpeg, 4, QByteArray("\x00\x01", 2)), false},
        {"a scan with no frame before it", jpeg.left(2) + jpeg.mid(scan), false},
        {"a changed byte of coded data", changed(jpeg, scan + 400, "\x5a"), true},
        {"a sprite", png, true},
        {"a sprite cut short", png.left(png.size() - 20), false},
        {"a sprite with a byte changed", changed(png, 40, "\x01"), false},
        {"a sprite with no end chunk", png.left(png.size() - 12), false},
        {"a sprite with a chunk longer than the file", changed(png, 8, "\x7f"), false},
        {"neither", QByteArray("GIF89a"), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wholePicture(c.bytes), c.whole) << c.label;
}

TEST(PictureFolder, APictureCutShortIsInvalidWhateverTheLoggingRules)
{
    QTemporaryDir folder;
    QFile cut(folder.filePath(QStringLiteral("M2.jpg")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytesOf("Maps/M2.jpg").left(700));
    cut.close();
    const PictureFolder pictures(folder.path());
    for (const char* rules : {"", "*.warning=false", "qt.gui.imageio.jpeg=false"}) {
        QLoggingCategory::setFilterRules(QLatin1String(rules));
        try {
            pictures.load(QStringLiteral("M2.jpg"));
            ADD_FAILURE() << "no error with the rules " << rules;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 481) << rules;
        }
    }
    QLoggingCategory::setFilterRules({});
}
