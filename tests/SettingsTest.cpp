// The player's zoom and fullscreen kept between runs, and every file that is
// not good settings.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "windows/Settings.h"

using namespace mirewalk;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("mirewalk/mirewalk.conf"));

    void write(const QByteArray& text)
    {
        QDir(folder.path()).mkpath(QStringLiteral("mirewalk"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // The zoom and fullscreen a new run reads, and what it says on standard error.
    std::string read() const
    {
        ::testing::internal::CaptureStderr();
        const Settings settings(path);
        return std::to_string(settings.zoom()) + (settings.fullScreen() ? " full " : " window ")
            + ::testing::internal::GetCapturedStderr();
    }
};

}  // namespace

TEST_F(SettingsTest, WhatThePlayerChangesIsWhatTheNextRunReads)
{
    EXPECT_EQ(read(), "1 window ");
    EXPECT_FALSE(QFile::exists(path));  // reading writes nothing
    Settings settings(path);
    settings.setZoom(3);
    settings.setFullScreen(true);
    EXPECT_EQ(read(), "3 full ");
    write("[General]\nzoom=16\nfullscreen=false\n");
    EXPECT_EQ(read(), "16 window ");
}

TEST_F(SettingsTest, AFileThatIsNotGoodSettingsMeansTheDefaultsSaidInOneLine)
{
    const std::string said = "1 window Mirewalk: the settings in " + path.toStdString()
        + " are not used: it holds what is not a setting\n";
    for (const QByteArray& text :
         {QByteArray("[General]\nzoom=0\n"), QByteArray("[General]\nzoom=17\nfullscreen=true\n"),
          QByteArray("[General]\nzoom=two\n"), QByteArray("[General]\nfullscreen=maybe\n"),
          QByteArray("\x01\x02\xff garbage = ]]\n[[\nzoom\n"), QByteArray("[General]\nlevel=99\n")}) {
        write(text);
        EXPECT_EQ(read(), said) << text.toStdString();
    }
    // A garbled file is written whole again once the player changes a setting.
    Settings settings(path);
    settings.setZoom(2);
    EXPECT_EQ(read(), "2 window ");
}

TEST_F(SettingsTest, AFolderThatCannotBeWrittenCostsOnlyTheMemorySaidOnce)
{
    QFile blocker(folder.filePath(QStringLiteral("mirewalk")));  // a file where the folder goes
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    Settings settings(path);
    ::testing::internal::CaptureStderr();
    settings.setZoom(2);
    settings.setFullScreen(true);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Mirewalk: the settings cannot be kept in " + path.toStdString()
                  + "; they last until the game ends\n");
    EXPECT_EQ(settings.zoom(), 2);
    EXPECT_TRUE(settings.fullScreen());
}
