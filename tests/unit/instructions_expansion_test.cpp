#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "instructions_fixture.h"

namespace vd {
namespace {

using namespace testing;  // the instruction test helpers

class InstructionExpansionTest : public InstructionsTest {
 protected:
  void SetUp() override {
    InstructionsTest::SetUp();
    setNumericVariable(1, -5);
    setNumericVariable(2, 42);
    setStringVariable(1, "C:\\jdk");
    setStringVariable(2, "[@S1@]\\bin");  // a value that holds a reference
    setStringVariable(7, "@S1@\\bin");    // ... at its very start
    setStringVariable(4, "has @ sign");
    setStringVariable(5, "with space");
    setStringVariable(6, "\"quoted\"");
  }

  TagFile program;
  InstructionInterpreter interpreter{program};
};

std::string repeated(const std::string& part, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += part;
  return text;
}

struct ExpansionCase {
  std::string text;
  std::string context;
  std::string expanded;  // when `expected` is normal
  Outcome expected;
};

TEST_F(InstructionExpansionTest, ExpandVariables) {
  const std::string badSpec = "Invalid variable specification.";
  const std::vector<ExpansionCase> cases = {
      {"plain", "", "plain", normal()},
      {"@N1@", "", "-5", normal()},
      {"x@N2@y", "", "x42y", normal()},
      {"@S3@", "", "", normal()},
      {"[@S3@]", "", "[]", normal()},
      {"n@n2@", "", "n42", normal()},
      {"a@@b", "", "a@b", normal()},
      {"@@@@", "", "@@", normal()},
      {"@S1@\\bin", "", "C:\\jdk\\bin", normal()},
      {"@S2@", "", "[C:\\jdk]\\bin", normal()},  // the inserted value is scanned too
      // The scan resumes one character into the inserted value, so a reference at its very
      // start loses its opening @.
      {"@S7@", "", "", instructionsError(" " + badSpec)},
      {"@S5@ @S6@", "", "with space \"quoted\"", normal()},
      // A reference that expands to nothing does not hide the text right after it.
      {"@S3@@N2@", "", "42", normal()},
      // The literal @ of "@@" is scanned again when the same pass replaced a reference.
      {"@S3@@@", "", "", instructionsError(" " + badSpec)},
      // "@@" next to a reference: the literal @ is scanned again by the next pass.
      {"@@N1@@ @N2@", "", "-5 42", normal()},
      {"@@N1@@", "", "@N1@", normal()},
      {"", "", "", instructionsError(" Empty expression.")},
      {"", "Ctx.", "", instructionsError("Ctx. Empty expression.")},
      {"a@b", "", "", instructionsError(" " + badSpec)},
      {"@", "Ctx.", "", instructionsError("Ctx. " + badSpec)},
      {"@S4@", "", "", instructionsError(" " + badSpec)},
      {"@N6@", "", "", launcherError(" Variable number is invalid (6)")},
      {"@X@", "Ctx.", "",
       launcherError("Ctx. Variable references must be at least 2 characters (e.g. N1 and S10).")},
      {"@Q1@", "", "",
       launcherError(
           " Invalid variable reference (Q1). Must use N or S as the variable type, e.g. N2 or S1.")},
  };
  for (const ExpansionCase& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(c.expected, outcomeOf([&] { interpreter.expandVariables(text, c.context); }))
        << "[" << c.text << "]";
    if (c.expected == normal()) {
      EXPECT_EQ(c.expanded, text) << "[" << c.text << "]";
    }
  }
}

TEST_F(InstructionExpansionTest, SelfReferenceStopsWithAnError) {
  const std::string endless = "Ctx. Variable expansion does not end (a variable refers to itself).";
  struct Case {
    std::vector<std::pair<int, std::string>> values;  // S variables to set
    std::string text;
    Outcome expected;
  };
  const std::vector<Case> cases = {
      // A value that contains its own reference grows inside one pass.
      {{{7, "x@S7@"}}, "@S7@", instructionsError(endless)},
      // Two values that contain each other's reference.
      {{{7, "a@S8@"}, {8, "b@S7@"}}, "@S7@", instructionsError(endless)},
      // A large value grows past the length bound before the count bound.
      {{{7, std::string(5000, 'z') + "@S7@"}}, "@S7@", instructionsError(endless)},
      // Many literal @ in a growing value.
      {{{7, "x" + repeated("@@", 2000) + "@S7@"}}, "@S7@", instructionsError(endless)},
      // A pass that replaces a reference but leaves the text as it was.
      {{{7, "@S7@@"}}, "@S7@", instructionsError(endless)},
      // The scan resumes after the first character of the inserted value, so a value that is
      // exactly its own reference leaves a lone @ behind.
      {{{7, "@S7@"}}, "@S7@", instructionsError("Ctx. Invalid variable specification.")},
  };
  for (const Case& c : cases) {
    for (const auto& [index, value] : c.values) setStringVariable(index, value);
    std::string text = c.text;
    EXPECT_EQ(c.expected, outcomeOf([&] { interpreter.expandVariables(text, "Ctx."); }))
        << c.values[0].second.substr(0, 20);
  }
}

TEST_F(InstructionExpansionTest, ExpandArgument) {
  const std::vector<ExpansionCase> cases = {
      {"", "", "", normal()},  // left empty, no "Empty expression."
      {"hello world", "", "hello", normal()},
      {"hello\tworld", "", "hello", normal()},
      {"\"hello world\"", "", "hello world", normal()},
      {"\"a \"\"b\"\" c\" tail", "", "a \"b\" c", normal()},
      {"\"@S1@\\bin\"", "", "C:\\jdk\\bin", normal()},
      {"@S5@", "", "with space", normal()},  // expansion follows unquoting
      {"@S6@", "", "\"quoted\"", normal()},
      {"\"a=b\"", "", "a=b", normal()},
      {"\"\"", "Ctx", "", instructionsError("Ctx Empty expression.")},
      {"\"abc", "", "", launcherError("Expected double quote to end argument near 1")},
      {"\"@N9@\"", "Ctx", "", launcherError("Ctx Variable number is invalid (9)")},
  };
  for (const ExpansionCase& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(c.expected, outcomeOf([&] { interpreter.expandArgument(text, c.context); }))
        << "[" << c.text << "]";
    if (c.expected == normal()) {
      EXPECT_EQ(c.expanded, text) << "[" << c.text << "]";
    }
  }
}

TEST_F(InstructionExpansionTest, ReadQuotedArgument) {
  struct Case {
    std::string line;
    size_t start;
    std::string argument;
    size_t end;
    Outcome expected;
  };
  const std::string ctx = "Invalid jvm file name specified in LAUNCH.";
  const std::vector<Case> cases = {
      {"LAUNCH jvm 5", 7, "jvm", 11, normal()},
      {"LAUNCH    jvm 5", 7, "jvm", 14, normal()},
      {"LAUNCH \"C:\\My Files\\jvm\" 5", 7, "C:\\My Files\\jvm", 24, normal()},
      {"LAUNCH \"a \"\"b\"\"\" 5", 7, "a \"b\"", 16, normal()},
      {"LAUNCH @S1@ 0", 7, "C:\\jdk", 12, normal()},
      {"LAUNCH @S5@ 0", 7, "with space", 12, normal()},
      // The line's last character never belongs to this argument.
      {"LAUNCH abc", 7, "ab", 9, normal()},
      {"LAUNCH", 6, "", 6, normal()},
      {"LAUNCH \"abc", 7, "", 0, launcherError("Expected ending quote in \"ab:  " + ctx)},
      {"LAUNCH \"abc\"", 7, "", 0, launcherError("Expected ending quote in \"abc:  " + ctx)},
      {"LAUNCH \"a b c 5", 7, "", 0, launcherError("Expected ending quote in \"a b c :  " + ctx)},
      {"LAUNCH \"\" 5", 7, "", 0, instructionsError(ctx + " Empty expression.")},
      {"LAUNCH @X1@ 5", 7, "", 0,
       launcherError(ctx +
                     " Invalid variable reference (X1). Must use N or S as the variable type, e.g. "
                     "N2 or S1.")},
  };
  for (const Case& c : cases) {
    size_t position = c.start;
    std::string argument;
    EXPECT_EQ(c.expected,
              outcomeOf([&] { argument = interpreter.readQuotedArgument(c.line, position, ctx); }))
        << c.line;
    if (!(c.expected == normal())) continue;
    EXPECT_EQ(c.argument, argument) << c.line;
    EXPECT_EQ(c.end, position) << c.line;
  }
}

}  // namespace
}  // namespace vd
