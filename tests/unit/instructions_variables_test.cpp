#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "instructions/variable_ref.h"
#include "instructions/variable_store.h"
#include "instructions_fixture.h"

namespace vd {
namespace {

using namespace testing;  // the instruction test helpers

using InstructionVariablesTest = InstructionsTest;

TEST_F(InstructionVariablesTest, StoreChecksTheIndexRange) {
  struct Case {
    std::function<void()> access;
    Outcome expected;
  };
  const std::vector<Case> cases = {
      {[] { getStringVariable(1); }, normal()},
      {[] { setStringVariable(10, "x"); }, normal()},
      {[] { getStringVariable(0); }, launcherError("Invalid string variable number: 0")},
      {[] { setStringVariable(11, "x"); }, launcherError("Invalid string variable number: 11")},
      {[] { getStringVariable(-1); }, launcherError("Invalid string variable number: -1")},
      {[] { getNumericVariable(5); }, normal()},
      {[] { setNumericVariable(1, 3); }, normal()},
      {[] { getNumericVariable(6); }, launcherError("Invalid numeric variable number: 6")},
      {[] { setNumericVariable(0, 3); }, launcherError("Invalid numeric variable number: 0")},
  };
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(cases[i].expected, outcomeOf(cases[i].access)) << i;
}

TEST_F(InstructionVariablesTest, VariablesStartEmptyAndKeepTheirValues) {
  for (int i = 1; i <= 10; ++i) EXPECT_EQ("", getStringVariable(i));
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(0, getNumericVariable(i));
  setStringVariable(10, "ten");
  setNumericVariable(5, -7);
  EXPECT_EQ("ten", getStringVariable(10));
  EXPECT_EQ(-7, getNumericVariable(5));
  EXPECT_EQ("", getStringVariable(9));
}

TEST_F(InstructionVariablesTest, ParseVariableRef) {
  struct Case {
    std::string ref;
    std::string context;
    char type;
    int32_t index;
    std::string error;
  };
  const std::string shortRef =
      "Variable references must be at least 2 characters (e.g. N1 and S10).";
  const std::vector<Case> cases = {
      {"N1", "", 'N', 1, ""},
      {"n1", "", 'N', 1, ""},
      {"S10", "", 'S', 10, ""},
      {"s3", "", 'S', 3, ""},
      {"N1x", "", 'N', 1, ""},
      {"N5", "", 'N', 5, ""},
      {"S 4", "", 'S', 4, ""},
      {"X", "", 0, 0, " " + shortRef},
      {"", "Ctx.", 0, 0, "Ctx. " + shortRef},
      {"Q1", "",
       0, 0, " Invalid variable reference (Q1). Must use N or S as the variable type, e.g. N2 or S1."},
      {"X1", "Ctx.", 0, 0,
       "Ctx. Invalid variable reference (X1). Must use N or S as the variable type, e.g. N2 or S1."},
      {"S0", "", 0, 0, " Variable number is invalid (0)"},
      {"S11", "", 0, 0, " Variable number is invalid (11)"},
      {"N6", "", 0, 0, " Variable number is invalid (6)"},
      {"N0", "", 0, 0, " Variable number is invalid (0)"},
      {"N-1", "", 0, 0, " Variable number is invalid (-1)"},
      {"Nx", "", 0, 0, " Variable number is invalid (x)"},
      {"S4294967297", "", 0, 0, " Variable number is invalid (4294967297)"},
  };
  for (const Case& c : cases) {
    VariableRef ref;
    Outcome outcome = outcomeOf([&] { ref = parseVariableRef(c.ref, c.context); });
    if (!c.error.empty()) {
      EXPECT_EQ(launcherError(c.error), outcome) << c.ref;
      continue;
    }
    EXPECT_EQ(normal(), outcome) << c.ref;
    EXPECT_EQ(c.type, ref.type) << c.ref;
    EXPECT_EQ(c.index, ref.index) << c.ref;
  }
}

TEST_F(InstructionVariablesTest, VariableTextIsSignedDecimalOrTheStoredString) {
  setNumericVariable(1, -5);
  setNumericVariable(2, INT32_MIN);
  setStringVariable(3, " with \"quotes\" @ ");
  EXPECT_EQ("-5", variableText({'N', 1}));
  EXPECT_EQ("-2147483648", variableText({'N', 2}));
  EXPECT_EQ("0", variableText({'N', 3}));
  EXPECT_EQ(" with \"quotes\" @ ", variableText({'S', 3}));
  EXPECT_EQ("", variableText({'S', 4}));
}

TEST_F(InstructionVariablesTest, AssignVariable) {
  struct Case {
    VariableRef ref;
    std::string value;
    Outcome expected;
    std::string stored;
  };
  const std::string ctx = "Invalid value specified for SET command";
  const std::vector<Case> cases = {
      {{'S', 1}, "hello world", normal(), "hello world"},
      {{'S', 2}, "", normal(), ""},
      {{'N', 1}, "5", normal(), "5"},
      {{'N', 2}, " -12abc", normal(), "-12"},
      {{'N', 3}, "2147483647", normal(), "2147483647"},
      {{'N', 4}, "abc", launcherError(ctx + " Invalid numeric expression in abc"), "0"},
      {{'N', 4}, "", launcherError(ctx + " Invalid numeric expression in "), "0"},
      {{'N', 5}, "2147483648", launcherError(ctx + " Invalid numeric expression in 2147483648"),
       "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, outcomeOf([&] { assignVariable(c.ref, c.value, ctx); })) << c.value;
    EXPECT_EQ(c.stored, variableText(c.ref)) << c.value;
  }
}

}  // namespace
}  // namespace vd
