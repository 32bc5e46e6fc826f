#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/app.h"
#include "core/screen.h"
#include "platform/filesystem.h"
#include "platform/image.h"
#include "platform/process.h"
#include "platform/stream.h"
#include "platform/process_wide.h"
#include "resources/campaign.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

// Builds the application as the program would with these switches, with its
// per-user folder in a fresh temporary folder (unless a switch names another).
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override { workingDir = CurrentDir(); }
  void TearDown() override {
    app.reset();
    ChangeDir(workingDir);
    std::vector<std::string> none = {"vandrell"};
    setArgs(none);
  }

  tApp& start(std::vector<std::string> switches, bool ownUserFolder = true) {
    std::vector<std::string> args = {"vandrell"};
    if (ownUserFolder) args.insert(args.end(), {"-user", userPath()});
    args.insert(args.end(), switches.begin(), switches.end());
    setArgs(args);
    app.reset();
    app = std::make_unique<tApp>();
    return *app;
  }

  std::string userPath() const { return user.path() + "/"; }

  static void setArgs(const std::vector<std::string>& args) {
    std::vector<std::string> copy = args;
    std::vector<char*> argv;
    for (std::string& a : copy) argv.push_back(a.data());
    SetAppArgs(static_cast<int>(argv.size()), argv.data());
  }

  TempDir user;
  std::string workingDir;
  std::unique_ptr<tApp> app;
};

}  // namespace

TEST_F(AppTest, SizeSwitchTakesWidthAndHeightAroundTheX) {
  tApp& a = start({"-s", "1000x700"});
  EXPECT_EQ(a.WIDTH, 1000);
  EXPECT_EQ(a.HEIGHT, 700);
  EXPECT_EQ(GraphicsWidth(), 1000);
  EXPECT_FLOAT_EQ(aspectw(), 1.25f);
}

TEST_F(AppTest, SizeSwitchWithoutAUsableValueChangesNothing) {
  EXPECT_EQ(start({"-s"}).WIDTH, 800);
  tApp& a = start({"-s", "1024"});
  EXPECT_EQ(a.WIDTH, 800);
  EXPECT_EQ(a.HEIGHT, 600);
}

TEST_F(AppTest, SwitchValuesConvertLikeTheOptionsFile) {
  tApp& a = start({"-fps", "30.9", "-v", "$0", "-a", "0", "-m", "0.7", "-l", "-q", "stray", "-o", "-p"});
  EXPECT_EQ(a.FPS, 30) << "numbers are truncated";
  EXPECT_EQ(a.VSYNC, 0) << "\"$\" reads hexadecimal";
  EXPECT_EQ(a.AUDIO_ON, 0);
  EXPECT_EQ(a.MUSIC_ON, 0);
  EXPECT_EQ(a.TEST_LEVEL, "-q") << "a switch's value is not read as a switch";
  EXPECT_EQ(a.ESC_ON, 0);
  EXPECT_EQ(a.OSD_ON, 1);
  EXPECT_EQ(a.HARDWARECURSOR, 1);
}

TEST_F(AppTest, LevelSwitchMakesThatLevelTheWholeCampaign) {
  tCurrentScope<tCampaign> campaign(std::make_shared<tCampaign>());
  start({"-l", "sandbox"});
  EXPECT_EQ(tCampaign::Current().get("0", "path"), "sandbox");
  EXPECT_FALSE(tCampaign::Current().contains("1", ""));
}

TEST_F(AppTest, MissingUserFolderIsCreatedWithItsParents) {
  const std::string nested = user.file("a/b/c/");
  tApp& a = start({"-user", nested}, false);
  EXPECT_EQ(a.USER_PATH, nested);
  EXPECT_EQ(FileType(nested), FILETYPE_DIR);
}

TEST_F(AppTest, OptionsRoundTripKeepingKeysTheGameDoesNotKnow) {
  {
    TStreamPtr out = WriteFile(user.file("options"));
    out->writeLine("fullscreen=0");
    out->writeLine("sound=0.25");
    out->writeLine("music=0.5");
    out->writeLine("language=en");
    out->writeLine("[custom]");
    out->writeLine("kept=yes");
  }
  LogCapture log;
  tApp& a = start({});
  EXPECT_TRUE(log.contains("Options loaded."));
  EXPECT_FLOAT_EQ(a.VOLUME_SOUND, 0.25f);
  EXPECT_FLOAT_EQ(a.VOLUME_MUSIC, 0.5f);
  EXPECT_EQ(a.HARDWARECURSOR, 0) << "a missing key reads as 0";
  a.VOLUME_MUSIC = 0.75f;
  a.HARDWARECURSOR = 1;
  a.saveConfig();
  EXPECT_TRUE(log.contains("Options saved."));

  tApp& b = start({});
  EXPECT_FLOAT_EQ(b.VOLUME_MUSIC, 0.75f);
  EXPECT_EQ(b.HARDWARECURSOR, 1);
  EXPECT_EQ(b.config().GetString("", "language", ""), "en");
  EXPECT_EQ(b.config().GetString("custom", "kept", ""), "yes");
}

TEST_F(AppTest, WithoutOptionsTheDefaultsFileIsRead) {
  LogCapture log;
  start({});
  EXPECT_TRUE(log.contains("Default options loaded!"));
}

TEST_F(AppTest, UnwritableOptionsAreReportedNotFatal) {
  tApp& a = start({});
  a.USER_PATH = user.file("no/such/folder/");
  LogCapture log;
  a.saveConfig();
  EXPECT_TRUE(log.contains("Can't save options!"));
}

TEST_F(AppTest, FullScreenDepthIsTheFirstOfThirtyTwoTwentyFourSixteen) {
  const std::vector<TGraphicsMode> modes = {
      {1024, 768, 16, 60}, {1024, 768, 24, 60}, {800, 600, 16, 60}, {1280, 720, 32, 60}};
  EXPECT_EQ(tApp::graphicsDepth(modes, 1024, 768), 24);
  EXPECT_EQ(tApp::graphicsDepth(modes, 800, 600), 16);
  EXPECT_EQ(tApp::graphicsDepth(modes, 1280, 720), 32);
  EXPECT_EQ(tApp::graphicsDepth(modes, 640, 480), 0);
}

TEST_F(AppTest, WindowTooBigForTheDesktopBecomesFullScreen) {
  tApp& a = start({});
  ASSERT_GT(a.DWIDTH, 0);
  // The same size as the desktop counts as too big.
  a.WIDTH = a.DWIDTH;
  a.HEIGHT = a.DHEIGHT;
  a.graphicsSetup();
  EXPECT_EQ(a.FULLSCREEN, a.graphicsDepth(a.WIDTH, a.HEIGHT));
  EXPECT_NE(a.FULLSCREEN, 0) << "the desktop's own size is always a display mode";

  // A full-screen request with no matching mode falls back to a window.
  a.WIDTH = 777;
  a.HEIGHT = 555;
  a.FULLSCREEN = 1;
  a.graphicsSetup();
  EXPECT_EQ(a.FULLSCREEN, 0);
  EXPECT_EQ(GraphicsWidth(), 777);
}

TEST_F(AppTest, ImagesAreFilteredOnlyWhenTheScreenIsScaled) {
  start({});
  EXPECT_EQ(DefaultImageFlags(-1), 0);
  start({"-s", "1024x768"});
  EXPECT_EQ(DefaultImageFlags(-1), 2);
}

TEST_F(AppTest, StartUpLogsItsStepsInOrder) {
  LogCapture log;
  start({});
  const std::vector<std::string> steps = {"Can't load profiles!", "Default options loaded!",
                                          "Graphics init complete successfully."};
  size_t at = 0;
  for (const std::string& line : log.lines()) {
    if (at < steps.size() && line == steps[at]) ++at;
  }
  EXPECT_EQ(at, steps.size());
  EXPECT_TRUE(log.contains("(800x600x0)"));
}

TEST_F(AppTest, TheAudioDeviceOpensUnlessSwitchedOffAndClosesAtTheEnd) {
  LogCapture log;
  tApp& a = start({});
  ASSERT_NE(a.audioDevice(), nullptr) << "the test environment's null driver is a device";
  EXPECT_TRUE(log.contains("Audio init complete successfully."));
  a.audioFinalize();
  EXPECT_EQ(a.audioDevice(), nullptr);

  tApp& b = start({"-a", "0"});
  EXPECT_EQ(b.AUDIO_ON, 0);
  EXPECT_EQ(b.audioDevice(), nullptr);
}

TEST_F(AppTest, TicksConvertToSecondsAndRates) {
  tApp& a = start({});
  EXPECT_FLOAT_EQ(a.inc2period(20), 0.4f);
  EXPECT_FLOAT_EQ(a.inc2speed(2), 100.0f);
}

}  // namespace vandrell
