// Label and text pics: words of the level's messages shown as pictures, in
// the level's font 1 (a real font from the test data).
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "resources/config.h"
#include "resources/resource_manager.h"
#include "scene/message.h"
#include "scene/pic_label.h"
#include "scene/pic_text.h"
#include "scene_test_support.h"
#include "script/zeb_script_scope.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

// The level's message table.
class tMessageTable : public tGuiObject {
  VANDRELL_GUI_HOOKS(tMessageTable, tGuiObject, &tMessageTable::M_MESSAGE_FIND)

 public:
  virtual int32_t M_MESSAGE_FIND(vandrell::M_MESSAGE_FIND& msg) {
    const auto found = messages.find(msg.input());
    if (found != messages.end()) msg.answer(found->second);
    return 0;
  }

  std::map<std::string, tMessagePtr> messages;
};

// What every words test has: font 1 in the media folder, a run-long font
// cache of its own, the script language for values in messages, and the
// message table in the GUI.
class tWordsWorld {
 public:
  tWordsWorld() {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(tFile::Current().root()) / "media" / "data" / "1";
    fs::create_directories(folder);
    const fs::path source = fs::path(VANDRELL_TEST_DATA) / "fonts";
    fs::copy_file(source / "dejavu_sans_16", folder / "font");
    fs::copy_file(source / "dejavu_sans_16.pixmap", folder / "font.pixmap");
    tPicProperty::Current().offset(0);
    tGui::Current().insert(table);
  }

  void say(const std::string& key, const std::string& markup) { table->messages[key] = tMessage::Create(markup); }

  // A pic of `kind` showing message `key` in font 1 at (x, y).
  template <class Pic>
  std::shared_ptr<Pic> place(tSceneWorld& scene, const std::string& name, const std::string& key, int32_t x,
                             int32_t y, const std::map<size_t, std::string>& changes = {}) {
    std::map<size_t, std::string> fields = {{24, "1"}};
    for (const auto& [index, value] : changes) fields[index] = value;
    auto pic = scene.load<Pic>(name, key, Record(x, y, fields));
    tGui::Current().insert(pic, name);
    return pic;
  }

  ZebScriptScope script;
  tCurrentScope<tCacheResourceManager> fonts{std::make_shared<tCacheResourceManager>()};
  std::shared_ptr<tMessageTable> table = std::make_shared<tMessageTable>();
};

class PicWordsTest : public SceneTest {
 protected:
  template <class Pic>
  std::shared_ptr<Pic> place(const std::string& name, const std::string& key,
                             const std::map<size_t, std::string>& changes = {}) {
    return words.place<Pic>(scene, name, key, 200, 100, changes);
  }
  void say(const std::string& key, const std::string& markup) { words.say(key, markup); }
  void count(float n) { words.script.book().set("n", tExprNumber::Create(n)); }

  tWordsWorld words;
};

}  // namespace

TEST_F(PicWordsTest, ALabelRendersItsLineAgainOnlyWhenTheWordsOrTheFontChange) {
  say("keys", "Keys found: [%%]n[%%][br]Look behind the clock");
  count(2);
  auto label = place<tPicLabel>("count", "keys");
  EXPECT_EQ(place<tPicLabel>("hint", "keys", {{25, "1"}})->words().getValue(), "Look behind the clock");
  EXPECT_EQ(label->words().getValue(), "Keys found: 2");
  const TPixmapPtr first = label->visual().getPixmap();
  ASSERT_TRUE(first);
  EXPECT_FLOAT_EQ(label->visual().l(), static_cast<float>(first->width));

  label->zeb_txtautoupdateon();
  for (int frames = 0; frames < 50; ++frames) frame(0.02f);
  EXPECT_EQ(label->visual().getPixmap(), first) << "the same words are not rendered again";
  count(3);
  frame(0.06f);
  frame(0.06f);
  EXPECT_EQ(label->words().getValue(), "Keys found: 3") << "looked again within a tenth of a second";
  const TPixmapPtr counted = label->visual().getPixmap();
  EXPECT_NE(counted, first);

  label->words().letter(tPicMessage::font(1), 0);
  label->zeb_txtupdate();
  EXPECT_NE(label->visual().getPixmap(), counted) << "another font renders the words again";

  label->zeb_txtautoupdateoff();
  count(4);
  frame(0.5f);
  EXPECT_EQ(label->words().getValue(), "Keys found: 3");
  label->zeb_txtupdate();
  EXPECT_EQ(label->words().getValue(), "Keys found: 4");
}

TEST_F(PicWordsTest, ALabelWithoutItsMessageShowsNothingUntilATextIsSet) {
  auto label = place<tPicLabel>("wheel_c", "no such message", {{12, "4"}});
  EXPECT_EQ(label->words().getValue(), "");
  EXPECT_EQ(label->visual().getPixmap(), nullptr);
  EXPECT_FLOAT_EQ(label->visual().l(), 0);

  label->settext("x3");
  ASSERT_TRUE(label->visual().getPixmap());
  EXPECT_FLOAT_EQ(label->visual().hHotspot(), 0.5f + 4.0f / label->visual().lPixmap())
      << "words that come later pivot where the record says";
  EXPECT_FLOAT_EQ(label->visual().vHotspot(), 0.5f);
  say("other", "Other");
  label->zeb_settext("other");
  EXPECT_EQ(label->words().getValue(), "x3") << "a literal text stays for the level";
  const TPixmapPtr shown = label->visual().getPixmap();
  label->reloadSrc(scene.resources);
  EXPECT_NE(label->visual().getPixmap(), shown) << "rendered anew after the display lost its images";
  EXPECT_EQ(label->words().getValue(), "x3");
}

TEST_F(PicWordsTest, LabelScriptsScaleTheWordsAndTheSizeFollowsNewWords) {
  say("title", "Mill");
  auto label = place<tPicLabel>("title", "title", {{2, "2"}, {3, "1.5"}});
  const tGuiImage& v = label->visual();
  const float width = v.lPixmap();
  EXPECT_FLOAT_EQ(label->zeb_property_sx(), 2);
  EXPECT_FLOAT_EQ(v.l(), 2 * width);
  EXPECT_FLOAT_EQ(v.t(), 1.5f * v.tPixmap());

  label->zeb_resize(1, 1, 1.0f);
  frame(0.5f);
  EXPECT_FLOAT_EQ(label->zeb_property_sx(), 1.5f);
  EXPECT_FLOAT_EQ(label->zeb_property_sy(), 1.25f);
  EXPECT_FLOAT_EQ(v.l(), 1.5f * width);
  say("title", "Old mill");
  label->zeb_txtupdate();
  EXPECT_GT(v.lPixmap(), width);
  EXPECT_FLOAT_EQ(v.l(), 1.5f * v.lPixmap()) << "new words keep the scale";
  frame(1.0f);
  EXPECT_FLOAT_EQ(v.l(), v.lPixmap());
  label->zeb_scale(3, 2);
  EXPECT_FLOAT_EQ(v.t(), 2 * v.tPixmap());
}

TEST_F(PicWordsTest, ATextWrapsItsMessageInItsBoxWithThePivotHalfTheBoxDown) {
  say("story", "The river turns the old wheel[br]Find the key");
  auto text = place<tPicCenterText>("story", "story", {{2, "120"}, {3, "80"}, {13, "6"}});
  const tGuiImage& v = text->visual();
  EXPECT_EQ(text->words().getLines(), (std::vector<std::string>{"The river turns the old wheel", "Find the key"}));
  const TPixmapPtr pixels = v.getPixmap();
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->width, 120);
  EXPECT_GE(pixels->height, 3 * text->words().getLetter()->height()) << "the long line wraps";
  EXPECT_FLOAT_EQ(v.l(), 120);
  EXPECT_FLOAT_EQ(v.t(), static_cast<float>(pixels->height));
  EXPECT_FLOAT_EQ(v.hHotspot(), 0.5f);
  EXPECT_FLOAT_EQ(v.vHotspot(), (40.0f + 6) / static_cast<float>(pixels->height));
  EXPECT_FLOAT_EQ(v.v(), 100 + 6);

  text->zeb_resize(300, 80, 2.0f);
  ASSERT_TRUE(v.getPixmap());
  EXPECT_EQ(v.getPixmap()->width, 300) << "a box changes at once";
  EXPECT_LT(v.getPixmap()->height, pixels->height) << "wider lines, fewer of them";
  EXPECT_FLOAT_EQ(v.vHotspot(), 46.0f / static_cast<float>(v.getPixmap()->height));
}

TEST_F(PicWordsTest, ATextSpacesItsLinesByItsRecordAndWithoutItsMessageHasOneEmptyLine) {
  say("two", "Mill[br]Wheel");
  const auto tight = place<tPicLeftText>("tight", "two", {{2, "100"}, {3, "40"}});
  const auto loose = place<tPicLeftText>("loose", "two", {{2, "100"}, {3, "40"}, {27, "6"}});
  EXPECT_FLOAT_EQ(loose->visual().tPixmap(), tight->visual().tPixmap() + 6);

  const auto none = place<tPicLeftText>("none", "no such message", {{2, "100"}, {3, "40"}});
  EXPECT_EQ(none->words().getLines(), std::vector<std::string>{""});
}

TEST_F(PicWordsTest, SavesKeepTheMessageScalesAndAutomaticLookButNoLiteralText) {
  say("a", "Mill");
  say("b", "Old mill");
  auto label = place<tPicLabel>("label", "a");
  label->zeb_settext("b");
  label->zeb_scale(2, 3);
  label->zeb_resize(4, 3, 1.0f);
  label->zeb_txtautoupdateon();
  label->settext("x5");
  auto text = place<tPicCenterText>("text", "a", {{2, "100"}, {3, "40"}});
  text->zeb_settext("b");
  tConfig cfg;
  label->saveInstant(cfg, "pic=label");
  text->saveInstant(cfg, "pic=text");

  auto restored = place<tPicLabel>("label2", "a");
  restored->loadInstant(cfg, "pic=label");
  restored->refresh();
  EXPECT_EQ(restored->idmessage(), "b");
  EXPECT_EQ(restored->autorefresh(), 1);
  EXPECT_EQ(restored->words().getValue(), "Old mill") << "a literal text is not saved";
  EXPECT_FLOAT_EQ(restored->zeb_property_sx(), 2);
  EXPECT_FLOAT_EQ(restored->zeb_property_sy(), 3);
  EXPECT_FLOAT_EQ(restored->visual().l(), 2 * restored->visual().lPixmap());
  frame(0.5f);
  EXPECT_FLOAT_EQ(restored->zeb_property_sx(), 3) << "the scale glides on";

  auto restoredText = place<tPicCenterText>("text2", "a", {{2, "100"}, {3, "40"}});
  restoredText->loadInstant(cfg, "pic=text");
  restoredText->refresh();
  EXPECT_EQ(restoredText->idmessage(), "b");
  EXPECT_EQ(restoredText->words().getLines(), std::vector<std::string>{"Old mill"});
}

namespace {

class PicWordsRenderTest : public RenderTest {
 protected:
  PicWordsRenderTest() : RenderTest(200, 120) {}

  tCurrentScope<tGui> root{std::make_shared<tGui>()};
  tSceneWorld scene;
  tWordsWorld words;
};

}  // namespace

TEST_F(PicWordsRenderTest, AGoldTitleTurnedALittleOverACentredStory) {
  words.say("title", "The Old Mill");
  words.say("story", "The wheel has not turned for years.[br]Find what holds it.");
  auto title = words.place<tPicLabel>(scene, "title", "title", 100, 20,
                                      {{2, "1.25"}, {3, "1.25"}, {4, "-3"}, {8, "215"}, {9, "90"}});
  auto story = words.place<tPicCenterText>(scene, "story", "story", 100, 70, {{2, "180"}, {3, "60"}});
  title->visual().render();
  story->visual().render();
  EXPECT_TRUE(MatchesReference(grab(), "pic_words.png"));
}

}  // namespace vandrell
