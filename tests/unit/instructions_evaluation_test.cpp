#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "instructions_fixture.h"

namespace vd {
namespace {

using namespace testing;  // the instruction test helpers

class InstructionEvaluationTest : public InstructionsTest {
 protected:
  void SetUp() override {
    InstructionsTest::SetUp();
    setNumericVariable(1, 1);
    setNumericVariable(2, -5);
    setNumericVariable(3, 40000);
    setStringVariable(1, "12");
  }

  TagFile program;
  InstructionInterpreter interpreter{program};
};

struct NumberCase {
  std::string argument;
  std::string context;
  int32_t value;  // when `expected` is normal
  Outcome expected;
};

// Runs each case through `evaluate` and compares the outcome and, when normal, the value.
void checkCases(const std::vector<NumberCase>& cases,
                const std::function<int32_t(const NumberCase&)>& evaluate) {
  for (const NumberCase& c : cases) {
    int32_t value = 0;
    EXPECT_EQ(c.expected, outcomeOf([&] { value = evaluate(c); })) << "[" << c.argument << "]";
    if (c.expected == normal()) {
      EXPECT_EQ(c.value, value) << "[" << c.argument << "]";
    }
  }
}

TEST_F(InstructionEvaluationTest, EvaluateNumber) {
  const std::vector<NumberCase> cases = {
      {"12abc", "", 12, normal()},
      {" 7", "", 7, normal()},
      {"@N2@", "", -5, normal()},
      {"@S1@0", "", 120, normal()},
      {"-2147483648", "", INT32_MIN, normal()},
      {"abc", "", 0, instructionsError("Invalid numeric expression (abc)")},
      {"@S2@x", "", 0, instructionsError("Invalid numeric expression (x)")},
      {"", "", 0, instructionsError(" Empty expression.")},
      {"x", "The second argument to JMP0 must be numeric.", 0,
       instructionsError("The second argument to JMP0 must be numeric.Invalid numeric expression (x)")},
      {"", "The second argument to JMP0 must be numeric.", 0,
       instructionsError("The second argument to JMP0 must be numeric. Empty expression.")},
      {"2147483648", "", 0, instructionsError("Invalid numeric expression (2147483648)")},
      {"@N9@", "", 0, launcherError(" Variable number is invalid (9)")},
  };
  checkCases(cases, [&](const NumberCase& c) { return interpreter.evaluateNumber(c.argument, c.context); });
}

TEST_F(InstructionEvaluationTest, EvaluateShort) {
  const std::vector<NumberCase> cases = {
      {"5", "", 5, normal()},
      {"@N2@", "", -5, normal()},
      {"32767", "", 32767, normal()},
      {"-32768", "", -32768, normal()},
      {"32768", "", 0, instructionsError(" Invalid numeric expression (32768)")},
      {"@N3@", "", 0, instructionsError(" Invalid numeric expression (40000)")},
      {"abc", "Ctx.", 0, instructionsError("Ctx. Invalid numeric expression (abc)")},
      {"", "", 0, instructionsError(" Empty expression.")},
  };
  checkCases(cases, [&](const NumberCase& c) { return interpreter.evaluateShort(c.argument, c.context); });
}

TEST_F(InstructionEvaluationTest, EvaluateBoolean) {
  const std::vector<NumberCase> cases = {
      {"0", "", 0, normal()},
      {"1", "", 1, normal()},
      {"@N1@", "", 1, normal()},
      {"1x", "", 1, normal()},
      {"2", "", 0, instructionsError(" Invalid boolean value (2)")},
      {"@N2@", "", 0, instructionsError(" Invalid boolean value (@N2@)")},  // as written
      {"-1", "Ctx.", 0, instructionsError("Ctx. Invalid boolean value (-1)")},
      {"yes", "", 0, instructionsError("Invalid numeric expression (yes)")},
  };
  checkCases(cases, [&](const NumberCase& c) { return interpreter.evaluateBoolean(c.argument, c.context); });
}

TEST_F(InstructionEvaluationTest, FindLabel) {
  TagFile labelled = testing::programOf(
      {":FIRST", "GOTO END", ":END", ":END", ":END now", ":end2", ":@@AT", ":L5"});
  InstructionInterpreter labels(labelled);
  setStringVariable(2, "END");
  setNumericVariable(4, 5);
  struct Case {
    std::string label;
    int32_t index;
    Outcome expected;
  };
  const std::vector<Case> cases = {
      {"FIRST", 0, normal()},
      {"END", 2, normal()},  // the first of two equal lines
      {"@S2@", 2, normal()},
      {"L@N4@", 7, normal()},
      {"end2", 5, normal()},
      {"@@AT", 0, instructionsError("Label not found (@@AT)")},  // the target is ":@AT"
      {"END now", 4, normal()},
      {"end", 0, instructionsError("Label not found (end)")},
      {"NOWHERE", 0, instructionsError("Label not found (NOWHERE)")},
      {"@S3@", 0,
       instructionsError("Label @S3@ resolved to a blank string. Labels cannot be blank.")},
      {"@S", 0, instructionsError("Invalid label specified. Invalid variable specification.")},
      {"@N7@", 0, launcherError("Invalid label specified. Variable number is invalid (7)")},
  };
  for (const Case& c : cases) {
    int32_t index = -1;
    EXPECT_EQ(c.expected, outcomeOf([&] { index = labels.findLabel(c.label); })) << c.label;
    if (c.expected == normal()) {
      EXPECT_EQ(c.index, index) << c.label;
    }
  }
}

}  // namespace
}  // namespace vd
