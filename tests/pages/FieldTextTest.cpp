#include "FieldText.h"

#include <gtest/gtest.h>

using namespace pages;

TEST(FieldText, NumbersUseAPointWhateverTheLocale) {
    EXPECT_EQ(NumberToText(0.25, NumberKind::Double), QStringLiteral("0.25"));
    EXPECT_EQ(NumberToText(12, NumberKind::Long), QStringLiteral("12"));
    EXPECT_EQ(ParseField(QStringLiteral(" 1.5 "), NumberKind::Double), 1.5);
}

TEST(FieldText, RefusesTextThatIsNotOneNumber) {
    EXPECT_FALSE(ParseField(QStringLiteral("1,5"), NumberKind::Double));
    EXPECT_FALSE(ParseField(QStringLiteral("abc"), NumberKind::Double));
    EXPECT_FALSE(ParseField(QString(), NumberKind::Double));
    EXPECT_FALSE(ParseField(QStringLiteral("2.5"), NumberKind::Long));
    EXPECT_FALSE(ParseField(QStringLiteral("99999999999"), NumberKind::Long));
}

TEST(FieldText, RangeMessagesNameTheBounds) {
    EXPECT_EQ(RangeMessage(0, 1, NumberKind::Double),
              QStringLiteral("Please enter a number between 0 and 1."));
    EXPECT_EQ(RangeMessage(0, 50, NumberKind::Long),
              QStringLiteral("Please enter an integer between 0 and 50."));
}

TEST(FieldText, EditLinesTravelWithCarriageReturns) {
    EXPECT_EQ(TextFromEditLines(QStringLiteral("a\nb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(EditLinesFromText(QStringLiteral("a\r\nb\rc")), QStringLiteral("a\nb\nc"));
}

TEST(FieldText, LeadingNumberOfTypedText) {
    EXPECT_EQ(LeadingNumber(QStringLiteral("12.5abc")), 12.5);
    EXPECT_EQ(LeadingNumber(QStringLiteral("abc")), 0);
}
