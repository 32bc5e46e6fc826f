// Script actions on on-screen texts and on pics that show words, run as a
// level's commands run them, with the journal and the interface sounds of
// the play HUD.
#include "hud/txt_actions.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "hud/txt_art.h"
#include "hud/txt_layer.h"
#include "play_hud_test_support.h"
#include "scene/pic_label.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "support/run_script.h"
#include "script/expr_value.h"
#include "support/block_font.h"

namespace vandrell {

namespace {

// Answers the level's lookup of on-screen texts by name.
class tTxtIndex : public tGuiObject {
  VANDRELL_GUI_HOOKS(tTxtIndex, tGuiObject, &tTxtIndex::M_TXT_FIND)

 public:
  virtual int32_t M_TXT_FIND(vandrell::M_TXT_FIND& msg) {
    const auto found = texts.find(msg.input());
    if (found != texts.end()) msg.answer(found->second);
    return 0;
  }

  std::map<std::string, tTxtList> texts;
};

class TxtActionsTest : public PlayHudTest {
 protected:
  TxtActionsTest() {
    RegisterTxtActions();
    tGui::Current().insert(layer);
    tGui::Current().insert(index);
    tGui::Current().insert(commands);
  }

  // Line `line` of message `id` as an on-screen text called up by `name`,
  // held by the script variable of the same name.
  std::shared_ptr<tTxt> text(const std::string& name, const std::string& id, int32_t line) {
    auto txt = std::make_shared<tTxt>();
    layer->insert(txt, name + std::to_string(line));
    txt->loadSrc(id);
    std::vector<std::string> params(27, "0");
    params[0] = "300";
    params[1] = "200";
    params[25] = std::to_string(line);
    txt->loadParams(params);
    txt->letter(WordFont(), 0);
    txt->refresh();
    index->texts[name].push_back(txt);
    script.book().set(name + std::to_string(line), tExprObject::Create(txt));
    return txt;
  }

  void run(const std::string& text) { RunScript(*commands, text); }

  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  tCurrentScope<tTxtArt> txtArt{std::make_shared<tTxtArt>()};
  std::shared_ptr<tTxtLayer> layer = std::make_shared<tTxtLayer>();
  std::shared_ptr<tTxtIndex> index = std::make_shared<tTxtIndex>();
  std::shared_ptr<tGuiSet> commands = std::make_shared<tGuiSet>();
};

}  // namespace

TEST_F(TxtActionsTest, CallingTextsUpShoutsOnceAndWritesTheJournalEvenWithoutTexts) {
  page("hello", "Welcome to the mill");
  run("txtm=hello");
  EXPECT_EQ(tJournal::Current().pages(), 1);
  EXPECT_TRUE(audio->take().empty()) << "no texts, no sound";

  page("note", "abc\ndef");
  const auto first = text("note", "note", 0);
  const auto second = text("note", "note", 1);
  run("txtonxy=note,120.9,80");
  EXPECT_TRUE(first->isShow());
  EXPECT_TRUE(second->isShow());
  EXPECT_EQ(audio->take().size(), 1u) << "one sound for both lines";
  EXPECT_EQ(tJournal::Current().pages(), 2);

  run("cls");
  EXPECT_EQ(audio->take().size(), 1u);
  step(1.0f);
  EXPECT_TRUE(first->isShow()) << "texts on their way in stay";
  run("cls");
  step(2.0f);
  EXPECT_FALSE(first->isShow());
  EXPECT_FALSE(second->isShow());
}

TEST_F(TxtActionsTest, SettextAndTxtupdateReachTextsAndLabelPics) {
  page("old", "abc");
  page("new", "fed");
  const auto line = text("line", "old", 0);
  run("settext=line0,new");
  EXPECT_EQ(line->getValue(), "fed");
  page("new", "bad");
  run("txtupdate=line0");
  EXPECT_EQ(line->getValue(), "bad");

  auto label = std::make_shared<tPicLabel>();
  tPicParams record(30, "0");
  record[24] = "1";
  label->loadSrc("old", record, rmDefault());
  label->loadParams(record);
  script.book().set("sign", tExprObject::Create(label));
  run("settxt=sign,new");
  EXPECT_EQ(label->idmessage(), "new");
  EXPECT_EQ(label->words().getValue(), "bad");
  page("new", "cafe");
  run("txtautoupdateon=sign;txtupdate=sign");
  EXPECT_EQ(label->autorefresh(), 1);
  EXPECT_EQ(label->words().getValue(), "cafe");

  run("txtupdate=nothing;settext=7,new;txtautoupdateoff=sign");
  EXPECT_EQ(label->autorefresh(), 0) << "a wrong target only skips its own action";
}

}  // namespace vandrell
