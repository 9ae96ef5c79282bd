// The block of an attempt, its display order under a scripted random source, and the
// cutting of a small bank.
#include "QuizFixture.h"
#include "platform/rtf/RichText.h"
#include "platform/testing/ScriptedServices.h"
#include "quiz/QuestionOrder.h"

#include <QTextDocument>
#include <gtest/gtest.h>

using namespace quiz;

namespace {

struct BlockCase {
    int bank, n, start;
    int last;
    std::vector<int> members;   // bank numbers in the block, ascending
};

TEST(QuestionBlock, LastAndMembersWrapPastTheBank)
{
    const BlockCase cases[] = {
        {20, 10, 15, 4, {1, 2, 3, 4, 15, 16, 17, 18, 19, 20}},
        {20, 10, 11, 20, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
        {20, 1, 7, 7, {7}},
        {4, 3, 3, 1, {1, 3, 4}},
        {4, 4, 1, 4, {1, 2, 3, 4}},
        {1, 1, 1, 1, {1}},
    };
    for (const BlockCase& c : cases) {
        const int last = LastOfBlock(c.start, c.n, c.bank);
        EXPECT_EQ(last, c.last) << c.bank << " " << c.n << " " << c.start;
        std::vector<int> members;
        for (int q = 1; q <= c.bank; ++q)
            if (InBlock(q, c.start, last))
                members.push_back(q);
        EXPECT_EQ(members, c.members) << c.bank << " " << c.n << " " << c.start;
    }
}

TEST(QuestionBlock, StartIsNeverTheLastBankQuestion)
{
    lx::testing::FixedRandom random;
    random.values = {0.0f, 0.999999f, 0.5f};
    EXPECT_EQ(DrawStart(20, random, 1), 1);
    EXPECT_EQ(DrawStart(20, random, 1), 19);
    EXPECT_EQ(DrawStart(1, random, 1), 1);   // the only start a bank of one has
}

TEST(QuestionBlock, TakeOrderSwapsWithThePartnersDrawn)
{
    lx::testing::FixedRandom random;
    // N = 4: j = Int(3 * Rnd) for i = 0..3.
    random.values = {0.99f, 0.0f, 0.5f, 0.0f};
    // i0 swaps with 2: 2 1 0 3; i1 with 0: 1 2 0 3; i2 with 1: 1 0 2 3; i3 with 0: 3 0 2 1.
    EXPECT_EQ(BuildTakeOrder(4, random, 1), (std::vector<int>{3, 0, 2, 1}));
    EXPECT_EQ(BuildTakeOrder(1, random, 1), std::vector<int>{0});
    // Every order is a permutation.
    for (int n = 1; n <= 10; ++n) {
        std::vector<int> order = BuildTakeOrder(n, random, n);
        std::sort(order.begin(), order.end());
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(order[size_t(i)], i);
    }
}

class BankCut : public ::testing::Test {
protected:
    QTextDocument document;
    lx::RichText buffer{&document};
    void SetUp() override { ASSERT_TRUE(buffer.loadFile(quizfixture::fixtures() + QStringLiteral("/Bank4.rtf"))); }
    static QString plain(const QString& rtf)
    {
        // A stretch ending in a paragraph mark reads back without it (the box holds the paragraph).
        QTextDocument d;
        lx::RichText t(&d);
        t.setTextRTF(rtf);
        return t.text();
    }
};

TEST_F(BankCut, EveryStretchWholeAfterEachSeparator)
{
    std::vector<SlotText> cut;
    QString why;
    // The whole bank in bank order: nothing lost at the separators, after the last one too.
    ASSERT_TRUE(CutBlock(buffer, 4, 1, 4, {0, 1, 2, 3}, {1, 2, 3, 4}, cut, &why)) << why.toStdString();
    EXPECT_EQ(plain(cut[0].questionRtf), QStringLiteral("1. The first question"));
    EXPECT_EQ(plain(cut[1].questionRtf), QStringLiteral("2. The second question with DATA: inside"));
    EXPECT_EQ(plain(cut[3].questionRtf), QStringLiteral("4. The fourth question"));
    EXPECT_EQ(plain(cut[0].optionRtf[0]), QStringLiteral("A: one a"));
    EXPECT_EQ(plain(cut[2].optionRtf[0]), QStringLiteral("a: three a"));   // markers in any case
    EXPECT_EQ(plain(cut[3].optionRtf[3]), QStringLiteral("D: four d"));
    EXPECT_EQ(cut[0].topic, QStringLiteral("Topic1.htm"));
    EXPECT_EQ(cut[1].topic, QStringLiteral("Topic2.htm"));
    EXPECT_EQ(cut[3].topic, QStringLiteral("Topic4.htm"));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(cut[size_t(s)].key, s + 1);
}

TEST_F(BankCut, WrappedBlockGoesToItsDisplaySlotsWithItsOwnKeys)
{
    std::vector<SlotText> cut;
    // start 3, N 3: block questions are bank 1, 3, 4 in that order; order sends them to 2, 0, 1.
    ASSERT_TRUE(CutBlock(buffer, 4, 3, 1, {2, 0, 1}, {4, 3, 2, 1}, cut, nullptr));
    EXPECT_EQ(plain(cut[2].questionRtf), QStringLiteral("1. The first question"));
    EXPECT_EQ(plain(cut[0].questionRtf), QStringLiteral("3. The third question"));
    EXPECT_EQ(plain(cut[1].questionRtf), QStringLiteral("4. The fourth question"));
    EXPECT_EQ(cut[2].key, 4);
    EXPECT_EQ(cut[0].key, 2);
    EXPECT_EQ(cut[1].key, 1);
    EXPECT_EQ(cut[0].topic, QStringLiteral("Topic3.htm"));
}

TEST_F(BankCut, MissingMarkersAndKeysAreReportedNotGuessed)
{
    std::vector<SlotText> cut;
    QString why;
    EXPECT_FALSE(CutBlock(buffer, 4, 1, 4, {0, 1, 2, 3}, {1, 2, 3}, cut, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("answer key")));
    EXPECT_FALSE(CutBlock(buffer, 4, 1, 4, {0, 1, 2, 3}, {1, 2, 5, 4}, cut, &why));
    // A bank claiming more questions than the file holds.
    EXPECT_FALSE(CutBlock(buffer, 5, 4, 5, {0, 1}, {1, 2, 3, 4, 1}, cut, &why));
    QTextDocument broken;
    lx::RichText b(&broken);
    b.setText(QStringLiteral("Question\nA: a\nB: b\nD: d\nHelp File:T.htm\n\n"));
    EXPECT_FALSE(CutBlock(b, 1, 1, 1, {0}, {1}, cut, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("\"C:\"")));
}

} // namespace
