#include "core/job/data_change.h"

#include <gtest/gtest.h>

#include "core/tables/file_routines.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace lumora {
namespace {

using testing::ScriptedPrompter;
using testing::TempFolder;

struct Recorder {
  std::vector<std::string> calls;
  std::string dia_path;
  ResultViewActions Actions() {
    return {[this] { calls.push_back("close:" + std::to_string(DiaLength())); },
            [this] { calls.push_back("forget:" + std::to_string(DiaLength())); }};
  }
  size_t DiaLength() const { return ReadFileBytes(dia_path).value_or("").size(); }
};

TEST(ConfirmDataChange, WithoutLayoutsAnswersYesUnasked) {
  TempFolder folder;
  Recorder recorder{{}, folder.File("1dia.tlf")};
  ScriptedPrompter prompter;
  EXPECT_TRUE(ConfirmDataChange(recorder.dia_path, prompter, recorder.Actions()));
  folder.Write("1dia.tlf", "");
  EXPECT_TRUE(ConfirmDataChange(recorder.dia_path, prompter, recorder.Actions()));
  CloseResultViews(recorder.dia_path, recorder.Actions());
  EXPECT_TRUE(prompter.prompts().empty());
  EXPECT_TRUE(recorder.calls.empty());
}

TEST(ConfirmDataChange, NoKeepsTheLayoutsAndYesDropsThem) {
  TempFolder folder;
  Recorder recorder{{}, folder.Write("1dia.tlf", "1,-1,1\r\n")};
  ScriptedPrompter prompter({PromptAnswer::kNo, PromptAnswer::kYes});
  EXPECT_FALSE(ConfirmDataChange(recorder.dia_path, prompter, recorder.Actions()));
  EXPECT_EQ(folder.Read("1dia.tlf"), "1,-1,1\r\n");
  EXPECT_TRUE(recorder.calls.empty());
  ASSERT_EQ(prompter.prompts().size(), 1u);
  EXPECT_EQ(prompter.prompts()[0].title, "Attention!");
  EXPECT_EQ(prompter.prompts()[0].text,
            "You are trying to change data. You need to optimize again. \n\nContinue?");

  CloseResultViews(recorder.dia_path, recorder.Actions());
  EXPECT_EQ(recorder.calls, std::vector<std::string>{"close:8"});
  recorder.calls.clear();

  EXPECT_TRUE(ConfirmDataChange(recorder.dia_path, prompter, recorder.Actions()));
  // The windows close while the layouts still exist; the result is forgotten once they are gone.
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"close:8", "forget:0"}));
  EXPECT_EQ(folder.Read("1dia.tlf"), "");
  EXPECT_TRUE(ConfirmDataChange(recorder.dia_path, prompter, recorder.Actions()));
  EXPECT_EQ(prompter.prompts().size(), 2u);
}

}  // namespace
}  // namespace lumora
