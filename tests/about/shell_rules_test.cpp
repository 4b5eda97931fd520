// Handing a document to the desktop: how the call is made and what a refusal says. The wording
// of each refusal and the opener's exit statuses are tables of the code, not restated here.
#include <gtest/gtest.h>

#include "about/shell_rules.h"

namespace tarvo {
namespace {

TEST(ShellRules, ExecutablesOpenHiddenUnlessNothingIsPassedAlong) {
  EXPECT_EQ(shellCall("setup.exe", 10, "", "", "open").showMode, 1) << "no parameters, no folder: normal";
  EXPECT_EQ(shellCall("C:/x.Exe.txt", 10, "-v", "", "open").showMode, 0) << ".EXE anywhere, any case: hidden";
  EXPECT_EQ(shellCall("notes.txt", 10, "", "/tmp", "open").showMode, 10);
  EXPECT_EQ(shellCall("notes.txt", 10, "", "", "open").showMode, 1);
}

TEST(ShellRules, RefusalsGiveTheirNumberAndWordingAndSuccessGivesNone) {
  for (std::int64_t success : {33, 42, -1}) EXPECT_EQ(shellFailure(success), std::nullopt) << success;
  EXPECT_EQ(shellFailure(32)->errorNumber, 48);
  EXPECT_EQ(shellNumberOfOpenerExit(3), 31) << "no tool for this kind of target";
  EXPECT_EQ(shellFailure(shellNumberOfOpenerExit(0)), std::nullopt);
  EXPECT_EQ(shellFailureText(*shellFailure(2)), "Erreur 53\r\nFile not found");
  EXPECT_EQ(shellFailureText(*shellFailure(31)),
            "Erreur " + std::to_string(31 - 2147220456LL) + "\r\nNo application is associated with this file type.");
}

}  // namespace
}  // namespace tarvo
