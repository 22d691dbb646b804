#include "cli/command_line.h"
#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace quorvex {
namespace {

TEST(JsonWriter, NestsObjectsAndArraysWithCommas) {
    JsonWriter json;
    json.BeginObject();
    json.Key("a");
    json.Integer(-3);
    json.Key("b");
    json.BeginArray();
    json.Boolean(true);
    json.Boolean(false);
    json.EndArray();
    json.Key("c");
    json.BeginObject();
    json.EndObject();
    json.EndObject();
    EXPECT_EQ(json.Text(),
              "{\n  \"a\": -3,\n  \"b\": [\n    true,\n    false\n  ],\n  \"c\": {}\n}\n");
}

TEST(JsonWriter, RealsReadBackToTheSameDouble) {
    for (const double value : {0.1, -0.50118723362727224, 1.0 / 3.0, 48000.0, 1e-300}) {
        JsonWriter json;
        json.Real(value);
        EXPECT_EQ(std::strtod(json.Text().c_str(), nullptr), value) << json.Text();
    }
    JsonWriter json;
    json.Real(std::numeric_limits<double>::infinity());
    EXPECT_EQ(json.Text(), "null");
}

TEST(JsonWriter, WholeRealsStillReadAsRealsAndIntegersAsIntegers) {
    const auto real = [](double value) {
        JsonWriter json;
        json.Real(value);
        return json.Text();
    };
    EXPECT_EQ(real(-6.0), "-6.0");
    EXPECT_EQ(real(0.0), "0.0");
    EXPECT_EQ(real(48000.0), "48000.0");
    EXPECT_EQ(real(-0.5), "-0.5");
    EXPECT_EQ(real(1e22), "1e+22");
    JsonWriter json;
    json.Integer(48000);
    EXPECT_EQ(json.Text(), "48000");
}

TEST(JsonWriter, EscapesTextsAndWidensTheCodePage) {
    JsonWriter json;
    json.String("a\"b\\c\r\n\x01\xBA");
    EXPECT_EQ(json.Text(), "\"a\\\"b\\\\c\\r\\n\\u0001\xC2\xBA\"");
}

TEST(CommandLine, SplitsPositionalsOptionsAndFlags) {
    const CommandSyntax syntax{{"-o", "--stage"}, {"--phase"}, 1, 1};
    const ParseResult parsed =
        ParseCommandLine("response", {"f.QVX", "--stage", "eq", "--phase"}, syntax);
    ASSERT_TRUE(parsed.Line.has_value()) << parsed.Error;
    EXPECT_EQ(parsed.Line->Positional, std::vector<std::string>{"f.QVX"});
    EXPECT_EQ(parsed.Line->Option("--stage"), "eq");
    EXPECT_TRUE(parsed.Line->Has("--phase"));
    EXPECT_FALSE(parsed.Line->Option("-o").has_value());
}

TEST(CommandLine, RefusesWhatTheCommandDoesNotTake) {
    const CommandSyntax syntax{{"-o"}, {}, 1, 1};
    EXPECT_FALSE(ParseCommandLine("save", {"f.QVX", "--bogus"}, syntax).Line.has_value());
    EXPECT_FALSE(ParseCommandLine("save", {"f.QVX", "-o"}, syntax).Line.has_value());
    EXPECT_FALSE(ParseCommandLine("save", {}, syntax).Line.has_value());
    EXPECT_FALSE(ParseCommandLine("save", {"a", "b"}, syntax).Line.has_value());
    // A negative number is a value, not an option.
    EXPECT_TRUE(ParseCommandLine("import", {"-6"}, CommandSyntax{{}, {}, 1, 1}).Line.has_value());
}

} // namespace
} // namespace quorvex
