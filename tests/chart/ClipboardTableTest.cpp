#include "ClipboardTable.h"

#include <gtest/gtest.h>

using namespace chart;

namespace {

struct Pasted {
    PasteResult result;
    std::vector<double> x{-1}, y{-1};
    int rows = -1;
    int groups;
};

Pasted Paste(std::string_view text, int groups = 0) {
    Pasted p{PasteResult::Refused, {-1}, {-1}, -1, groups};
    p.result = ReadClipboardColumns(text, p.x, p.y, p.rows, p.groups);
    return p;
}

} // namespace

TEST(ClipboardTable, TwoColumnTableGivesXAndOneGroup) {
    const Pasted p = Paste("1 2\r\n3 4\r\n");
    EXPECT_EQ(p.result, PasteResult::Stored);
    EXPECT_EQ(p.rows, 2);
    EXPECT_EQ(p.groups, 1);
    EXPECT_EQ(p.x, (std::vector<double>{1, 3}));
    EXPECT_EQ(p.y, (std::vector<double>{2, 4}));
}

TEST(ClipboardTable, TooFewColumnsIsReportedForTheCallersMessage) {
    const Pasted p = Paste("1 2\r\n3 4\r\n", 2);
    EXPECT_EQ(p.result, PasteResult::InsufficientColumns);
    EXPECT_FALSE(Succeeded(p.result));
    EXPECT_EQ(p.x, std::vector<double>{-1});
    EXPECT_EQ(p.rows, -1);
    EXPECT_STREQ(kInsufficientColumnsMessage, "Insufficient number of columns for this data type");
}

TEST(ClipboardTable, LettersOutsideNumbersRefuseTheText) {
    for (std::string_view text : {"Time 1\r\n1 2", "1.5x 2\r\n", "1 2\r\n3 4 end", "e 2"}) {
        const Pasted p = Paste(text);
        EXPECT_EQ(p.result, PasteResult::Refused) << text;
        EXPECT_EQ(p.x, std::vector<double>{-1}) << text;
    }
    EXPECT_EQ(Paste("2.5e-3 1\r\n").result, PasteResult::Stored);
    // An e at the end of a number is part of it: "1e" reads 1.
    const Pasted p = Paste("1e 2\r\n");
    EXPECT_EQ(p.result, PasteResult::Stored);
    EXPECT_EQ(p.x, std::vector<double>{1});
    EXPECT_EQ(p.y, std::vector<double>{2});
}

TEST(ClipboardTable, ExtraColumnsBeyondTheGroupsAreDropped) {
    const Pasted p = Paste("1 2 3 4\r\n5 6 7 8\r\n", 2);
    EXPECT_EQ(p.groups, 2);
    EXPECT_EQ(p.y, (std::vector<double>{2, 3, 6, 7}));
}

TEST(ClipboardTable, RowsAreFormedByLines) {
    struct Case {
        std::string_view text;
        std::vector<double> x, y;
    };
    const Case cases[] = {
        {"\r\n\r\n1 2\r\n\r\n3 4\r\n\r\n", {1, 3}, {2, 4}},
        {"1 2\r\n3 4", {1, 3}, {2, 4}},
        {"1 2\n3\n5 6 7\n", {1, 5}, {2, 6}},
        {"1\t2\r3\t4\r", {1, 3}, {2, 4}},
    };
    for (const Case& c : cases) {
        const Pasted p = Paste(c.text);
        EXPECT_EQ(p.result, PasteResult::Stored) << c.text;
        EXPECT_EQ(p.x, c.x) << c.text;
        EXPECT_EQ(p.y, c.y) << c.text;
        EXPECT_EQ(p.rows, static_cast<int>(c.x.size())) << c.text;
    }
}

TEST(ClipboardTable, TextWithoutYColumnsStoresNothing) {
    for (std::string_view text : {"", "\r\n\r\n", " ; , ", "1\r\n2\r\n3"}) {
        const Pasted p = Paste(text);
        EXPECT_EQ(p.result, PasteResult::NothingToStore) << text;
        EXPECT_TRUE(Succeeded(p.result));
        EXPECT_EQ(p.rows, -1);
        EXPECT_EQ(p.x, std::vector<double>{-1});
    }
    // Asking for a group more than found is the column shortage, rows or not.
    EXPECT_EQ(Paste("1\r\n2\r\n", 1).result, PasteResult::InsufficientColumns);
    EXPECT_EQ(Paste("", 1).result, PasteResult::InsufficientColumns);
}

TEST(ClipboardTable, AtMostSixteenGroups) {
    std::string text;
    for (int c = 0; c < 20; ++c) {
        text += std::to_string(c) + " ";
    }
    const Pasted p = Paste(text);
    EXPECT_EQ(p.result, PasteResult::Stored);
    EXPECT_EQ(p.groups, 16);
    EXPECT_EQ(p.y.size(), 16u);
    EXPECT_EQ(p.y.back(), 16.0);
}

TEST(ClipboardTable, ScanCountsRowsAndYColumns) {
    int rows = -1, columns = -1;
    EXPECT_TRUE(ScanClipboardTable("1 2 3\r\n4 5 6\r\n7 8 9", rows, columns));
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(columns, 2);
    EXPECT_FALSE(ScanClipboardTable("a 1", rows, columns));
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(columns, 0);
}
