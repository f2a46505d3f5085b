// HYPERLINK field instructions as producers write them, read on their own.

#include "richtext/rtf_fields.h"

#include <gtest/gtest.h>

namespace oxlin::richtext::reading {
namespace {

struct InstructionCase {
    const char* name;
    const char* instruction;
    const char* target;
};

class HyperlinkInstruction : public ::testing::TestWithParam<InstructionCase> {};

TEST_P(HyperlinkInstruction, GivesItsTarget) {
    EXPECT_EQ(hyperlinkTarget(QString::fromUtf8(GetParam().instruction)).toStdString(),
              std::string(GetParam().target));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, HyperlinkInstruction,
    ::testing::Values(
        InstructionCase{"nominal_bare_word", "HYPERLINK http://example.org/a", "http://example.org/a"},
        InstructionCase{"nominal_quoted_with_spaces", " HYPERLINK \"C:\\\\My Files\\\\a b.txt\" ",
                        "C:\\My Files\\a b.txt"},
        InstructionCase{"nominal_bookmark_joins_target", "HYPERLINK \"page.htm\" \\l \"the end\"",
                        "page.htm#the end"},
        InstructionCase{"nominal_bookmark_alone", "HYPERLINK \\l \"top\"", "#top"},
        InstructionCase{"nominal_switch_arguments_are_not_the_target",
                        "HYPERLINK \\o \"a tip\" \\t \"_blank\" \"http://x.org\"", "http://x.org"},
        InstructionCase{"nominal_keyword_in_any_case", "hyperlink \"x\"", "x"},
        InstructionCase{"robustness_escaped_quote", "HYPERLINK \"say \\\"hi\\\"\"", "say \"hi\""},
        InstructionCase{"robustness_unclosed_quote", "HYPERLINK \"http://x.org", "http://x.org"},
        InstructionCase{"robustness_switch_without_argument", "HYPERLINK \"a\" \\l", "a"},
        InstructionCase{"robustness_no_target", "HYPERLINK", ""},
        InstructionCase{"robustness_other_field", "PAGE \\* MERGEFORMAT", ""}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace oxlin::richtext::reading
