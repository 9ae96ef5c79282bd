#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <cmath>
#include <stdexcept>

using namespace lx;

namespace {

// Honours LC_ALL, so that the suite can run under a comma-decimal locale.
class Numbers : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::setlocale(LC_ALL, "");
        QLocale::setDefault(QLocale::system());
    }
};

struct ValCase { const char* text; double expected; };

TEST_F(Numbers, ValStopsAtTheFirstCharacterThatCannotContinueANumber)
{
    const ValCase cases[] = {
        {"", 0}, {"N/A", 0}, {"  12.5kPa", 12.5}, {"-3", -3}, {"+4.5", 4.5}, {".5", 0.5}, {"1 2 3", 123},
        {"1.5.6", 1.5}, {"2E3", 2000}, {"2e-2x", 0.02}, {"3E", 3}, {"3Ex", 3}, {"1,5", 1}, {"&H1F", 31},
        {"&O17", 15}, {"abc", 0}, {"-", 0}, {"1e999", 0}, {"  \t7", 7},
    };
    for (const ValCase& c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromLatin1(c.text)), c.expected) << c.text;
}

struct TextCase { double value; const char* str; const char* doubleText; };

TEST_F(Numbers, StrAndShortestTextOfADouble)
{
    const TextCase cases[] = {
        {0, " 0", "0"}, {5, " 5", "5"}, {0.5, " .5", "0.5"}, {-0.5, "-.5", "-0.5"}, {-12.25, "-12.25", "-12.25"},
        {1.0 / 3.0, " .333333333333333", "0.333333333333333"}, {1e15, " 1E+15", "1E+15"}, {1e-5, " 1E-05", "1E-05"},
        {0.0001, " .0001", "0.0001"}, {123456789012345.0, " 123456789012345", "123456789012345"},
        {5.1, " 5.1", "5.1"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(Str(c.value), QString::fromLatin1(c.str)) << c.value;
        EXPECT_EQ(DoubleText(c.value), QString::fromLatin1(c.doubleText)) << c.value;
    }
}

TEST_F(Numbers, ShortestTextOfASingleHasSevenDigits)
{
    struct C { float value; const char* text; const char* str; };
    const C cases[] = {
        {0.1f, "0.1", " .1"}, {1.2000000477f, "1.2", " 1.2"}, {1.0f / 3.0f, "0.3333333", " .3333333"},
        {-2.5f, "-2.5", "-2.5"}, {123456.7f, "123456.7", " 123456.7"}, {1e-5f, "1E-05", " 1E-05"},
        {0.0f, "0", " 0"}, {1e7f, "1E+07", " 1E+07"},
    };
    for (const C& c : cases) {
        EXPECT_EQ(SingleText(c.value), QString::fromLatin1(c.text)) << c.value;
        EXPECT_EQ(StrSingle(c.value), QString::fromLatin1(c.str)) << c.value;
    }
}

TEST_F(Numbers, TextsReadBackThroughVal)
{
    for (double v : {0.125, -3.75, 1234.5678, 1e-7, 2.5e12})
        EXPECT_DOUBLE_EQ(Val(DoubleText(v)), v);
    for (float v : {0.1f, 3.6f, -0.02f})
        EXPECT_EQ(float(Val(SingleText(v))), v);
}

TEST_F(Numbers, RoundingTakesHalvesToTheEvenNeighbour)
{
    struct C { double value; int decimals; double expected; };
    const C cases[] = {
        {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {0.125, 2, 0.12}, {0.135, 2, 0.14}, {1.05, 1, 1.0},
        {1.15, 1, 1.2}, {0.96, 1, 1.0}, {12345.6789, 3, 12345.679}, {-0.25, 1, -0.2},
    };
    for (const C& c : cases)
        EXPECT_DOUBLE_EQ(Round(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
}

TEST_F(Numbers, IntegerConversionsRoundHalvesToEvenAndRefuseOverflow)
{
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-1.5), -2);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_THROW(CInt(32767.5), std::overflow_error);
    EXPECT_THROW(CInt(-32769), std::overflow_error);
    EXPECT_THROW(CInt(std::nan("")), std::overflow_error);
    EXPECT_EQ(CLng(100000.5), 100000);
    EXPECT_THROW(CLng(3e9), std::overflow_error);
}

} // namespace
