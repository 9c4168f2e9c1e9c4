// Reading a picture file: what is wrong with a file is reported by name; a
// file cut short or built wrong is no picture, whatever Qt's logging is set
// to; the folder is read through as it was opened.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "pictures/PictureFolder.h"
#include "pictures/PictureStructure.h"
#include "platform/RuntimeError.h"

using namespace mirewalk;

namespace {

QByteArray bytesOf(const char* relative)
{
    QFile file(QStringLiteral(MIREWALK_SOURCE_DIR "/") + QLatin1String(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A square picture of one colour encoded as a file of format.
QByteArray encoded(int side, const char* format = "JPG")
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
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

TEST(PictureFolder, ReadsAPictureOrSaysByNameWhatIsWrongWithTheFile)
{
    QTemporaryDir folder;
    const QByteArray map = bytesOf("Maps/M2.jpg");
    QByteArray bomb = encoded(8);  // an 8 x 8 JPEG whose frame says 5000 x 5000: 100 MB decoded
    bomb.replace(bomb.indexOf("\xff\xc0") + 5, 4, QByteArray("\x13\x88\x13\x88", 4));
    const struct {
        const char* label;
        std::optional<QByteArray> bytes;  // none: no file
        const char* error;                // what the report says, or none for a picture
        QSize size;
    } cases[] = {
        {"missing", std::nullopt, "Run-time error '53':\n\nFile not found: ", {}},
        {"empty", QByteArray(), "Run-time error '481':\n\nInvalid picture: ", {}},
        {"cut in its header", map.left(100), "Run-time error '481':\n\nInvalid picture: ", {}},
        {"cut at 700 bytes", map.left(700), "Run-time error '481':\n\nInvalid picture: ", {}},
        {"a PNG named .jpg", encoded(326, "PNG"), nullptr, {326, 326}},
        {"one pixel", encoded(1), nullptr, {1, 1}},
        {"at the size limit", encoded(MaxPictureSide), nullptr, {1024, 1024}},
        {"above the size limit",
         encoded(MaxPictureSide + 1),
         "Run-time error '481':\n\nInvalid picture: ",
         {}},
        {"a bomb", bomb, "Run-time error '481':\n\nInvalid picture: ", {}},
    };
    // The same whatever Qt's logging is set to: the decoders' warnings count for nothing.
    for (const char* rules : {"", "*.warning=false", "qt.gui.imageio.jpeg=false"}) {
        QLoggingCategory::setFilterRules(QLatin1String(rules));
        for (const auto& c : cases) {
            const QString name = QString::fromLatin1(c.label).replace(' ', '_') + ".jpg";
            if (c.bytes) {
                QFile file(folder.filePath(name));
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(*c.bytes);
            }
            const PictureFolder pictures(folder.path());
            try {
                EXPECT_EQ(pictures.load(name).size(), c.size) << c.label << rules;
                EXPECT_EQ(c.error, nullptr) << c.label << rules;
            } catch (const RuntimeError& error) {
                EXPECT_EQ(error.report(),
                          std::string(c.error ? c.error : "") + folder.filePath(name).toStdString())
                    << c.label << rules;
            }
        }
    }
    QLoggingCategory::setFilterRules({});
}

TEST(PictureFolder, APipeOrAFolderIsNoPictureAndIsNeverOpened)
{
    QTemporaryDir folder;
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("pipe.jpg")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.jpg"));
    const PictureFolder pictures(folder.path());
    for (const char* name : {"pipe.jpg", "folder.jpg"}) {
        try {
            pictures.load(QLatin1String(name));  // opening the pipe would wait for ever
            ADD_FAILURE() << name;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.report(),
                      "Run-time error '481':\n\nInvalid picture: "
                          + folder.filePath(QLatin1String(name)).toStdString());
        }
    }
}

namespace {

// What loading Maps/M2.jpg from folder reports when a user other than root
// does it (root reads any file): a child process first gives up root for the
// unprivileged user "nobody".
std::string reportWithoutRoot(const PictureFolder& folder)
{
    int out[2];
    pid_t child = -1;
    if (pipe(out) != 0 || (child = fork()) < 0)
        return "no child process";
    if (child == 0) {
        std::string report = "loaded";
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            report = "root could not be given up";
        } else {
            try {
                folder.load(QStringLiteral("Maps/M2.jpg"));
            } catch (const RuntimeError& error) {
                report = error.report();
            }
        }
        const bool written = write(out[1], report.data(), report.size()) == ssize_t(report.size());
        _exit(written ? 0 : 1);
    }
    close(out[1]);
    std::string report;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    close(out[0]);
    waitpid(child, nullptr, 0);
    return report;
}

}  // namespace

TEST(UnreadablePicture, IsReportedAsSuchWithTheSystemsReason)
{
    QTemporaryDir folder;
    const QByteArray maps = QFile::encodeName(folder.path() + "/Maps");
    const QByteArray file = maps + "/M2.jpg";
    ASSERT_TRUE(QDir(folder.path()).mkpath("Maps"));
    ASSERT_TRUE(QFile::copy(MIREWALK_SOURCE_DIR "/Maps/M2.jpg", file));
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()), 0755), 0);  // others may look in
    const std::string report = "Run-time error '75':\n\nPath/File access error: "
        + file.toStdString() + " (Permission denied)";

    ASSERT_EQ(chmod(file, 0), 0);  // the file may not be read
    EXPECT_EQ(reportWithoutRoot(PictureFolder(folder.path())), report);
    ASSERT_EQ(chmod(file, 0644), 0);
    ASSERT_EQ(chmod(maps, 0), 0);  // its folder may not be looked into
    EXPECT_EQ(reportWithoutRoot(PictureFolder(folder.path())), report);
    ASSERT_EQ(chmod(maps, 0755), 0);
    EXPECT_EQ(reportWithoutRoot(PictureFolder(folder.path())), "loaded");
}

TEST(MovedFolder, PicturesAreReadThroughTheFolderOpenedAtTheStart)
{
    QTemporaryDir parent;
    const QString opened = parent.path() + "/game";
    ASSERT_TRUE(QDir().mkpath(opened + "/Maps"));
    ASSERT_TRUE(QFile::copy(MIREWALK_SOURCE_DIR "/Maps/M2.jpg", opened + "/Maps/M2.jpg"));
    const PictureFolder folder(opened);
    ASSERT_TRUE(QDir().rename(opened, parent.path() + "/moved"));
    EXPECT_EQ(folder.load(QStringLiteral("Maps/M2.jpg")).size(), QSize(326, 273));
}
