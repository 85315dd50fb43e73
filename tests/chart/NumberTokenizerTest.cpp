#include "NumberTokenizer.h"
#include "NumericTable.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace chart;

namespace {

std::vector<double> Numbers(std::string_view text) {
    std::vector<double> numbers;
    std::size_t pos = 0;
    for (;;) {
        const Token t = NextToken(text, pos, true);
        if (t.kind == TokenKind::End) {
            return numbers;
        }
        if (t.kind == TokenKind::Number) {
            numbers.push_back(t.value);
        }
        pos = t.end;
    }
}

} // namespace

TEST(NumberTokenizer, ReadsNumbersBetweenAnySeparators) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::string_view text;
        std::vector<double> numbers;
    };
    const Case cases[] = {
        {"1 2 3", {1, 2, 3}},
        {"x=1.5, y=2e3", {1.5, 2000}},
        {".5 -.5e1 +2.", {0.5, -5, 2}},
        {"1e 1E+ 1e-2", {1, 1, 0.01}},
        {"1.5x", {1.5}},
        {"--5 + - . -e5", {}},
        {"1-2", {1}},
        {"1.2.3 4", {1.2, 4}},
        {"2001-05-03 7", {2001, 7}},
        {"3e2e1 -4E-1+9", {300, -0.4}},
        {"1e400 -1e400 1e-400", {inf, -inf, 0}},
        // At most 28 characters of a number are converted.
        {"0.000000000000000000000000000000001", {0}},
        {"1234567890123456789012345678901234", {1234567890123456789012345678.0}},
        {std::string_view("7\0 8\xff"
                          "9",
                          6),
         {7, 8, 9}},
        {"\t3;4|5", {3, 4, 5}},
        {"Time Value", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Numbers(c.text), c.numbers) << c.text;
    }
}

TEST(NumberTokenizer, LineEndsAreTokensOfTheirOwn) {
    const std::string_view text = "1\r\n2\r3\n";
    std::vector<TokenKind> kinds;
    for (std::size_t pos = 0;;) {
        const Token t = NextToken(text, pos, true);
        if (t.kind == TokenKind::End) {
            break;
        }
        kinds.push_back(t.kind);
        pos = t.end;
    }
    using K = TokenKind;
    EXPECT_EQ(kinds, (std::vector<K>{K::Number, K::LineEnd, K::LineEnd, K::Number, K::LineEnd, K::Number,
                                     K::LineEnd}));
}

TEST(NumberTokenizer, ANumberAtTheEndOfUnfinishedTextWaitsForMore) {
    for (std::string_view text : {"12", "1.", "-", ".", "1e", "1e-", "+."}) {
        EXPECT_EQ(NextToken(text, 0, false).kind, TokenKind::NeedMore) << text;
    }
    EXPECT_EQ(NextToken("12 ", 0, false).kind, TokenKind::Number);
    EXPECT_EQ(NextToken("-", 0, true).kind, TokenKind::NotANumber);
    EXPECT_EQ(NextToken("1e", 0, true).end, 2u);
    EXPECT_EQ(NextToken("1.2.3 4", 0, true).end, 5u);
}

TEST(NumberTokenizer, ParseNextNumberReportsWhatItConsumed) {
    std::size_t consumed = 0;
    EXPECT_EQ(ParseNextNumber("  ab 12.5 7", consumed), 12.5);
    EXPECT_EQ(consumed, 9u);
    EXPECT_EQ(ParseNextNumber("- 2001-05-03", consumed), 2001.0);
    EXPECT_EQ(consumed, 12u);
    EXPECT_EQ(ParseNextNumber("none", consumed), 0.0);
    EXPECT_EQ(consumed, 0u);
    EXPECT_TRUE(IsNumberChar('.'));
    EXPECT_TRUE(IsNumberChar('-'));
    EXPECT_FALSE(IsNumberChar('e'));
}

TEST(NumericTable, FedInChunksGivesTheSameTable) {
    const std::string text = "head 1\r\n1.25 -2e-3 3\r\n4 5\n6 7 8 9\r10 11e1 12";
    NumericTable whole;
    whole.Feed(text, true);
    for (std::size_t step = 1; step < 8; ++step) {
        NumericTable table;
        std::string pending;
        for (std::size_t at = 0; at < text.size(); at += step) {
            pending += text.substr(at, step);
            pending.erase(0, table.Feed(pending, false));
        }
        table.Feed(pending, true);
        EXPECT_EQ(table.X(), whole.X()) << step;
        EXPECT_EQ(table.Y(), whole.Y()) << step;
    }
    // "head 1" fixes one column; every later line has at least one number.
    EXPECT_EQ(whole.Columns(), 1u);
    EXPECT_EQ(whole.X(), (std::vector<double>{1, 1.25, 4, 6, 10}));
}
