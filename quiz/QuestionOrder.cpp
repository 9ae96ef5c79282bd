#include "QuestionOrder.h"

#include "platform/Services.h"
#include "platform/rtf/RichText.h"

#include <algorithm>
#include <utility>

namespace quiz {

int LastOfBlock(int start, int n, int bankSize)
{
    int last = start + n - 1;
    if (last > bankSize)
        last -= bankSize;
    return last;
}

bool InBlock(int q, int start, int last)
{
    return last >= start ? (q >= start && q <= last) : (q >= start || q <= last);
}

int DrawStart(int bankSize, lx::RandomSource& random, double seed)
{
    random.Randomize(seed);
    if (bankSize <= 1)
        return 1;
    return int((bankSize - 1) * random.Rnd()) + 1;
}

std::vector<int> BuildTakeOrder(int n, lx::RandomSource& random, double seed)
{
    random.Randomize(seed);
    std::vector<int> order(size_t(std::max(n, 0)));
    for (int i = 0; i < n; ++i)
        order[size_t(i)] = i;
    for (int i = 0; i < n; ++i) {
        const int j = int((n - 1) * random.Rnd());
        std::swap(order[size_t(i)], order[size_t(j)]);
    }
    return order;
}

bool CutBlock(lx::RichText& buffer, int bankSize, int start, int last, const std::vector<int>& order,
              const std::vector<int>& keys, std::vector<SlotText>& texts, QString* error)
{
    static const QString markers[] = {QStringLiteral("A:"), QStringLiteral("B:"), QStringLiteral("C:"),
                                      QStringLiteral("D:"), QStringLiteral("Help File:")};
    constexpr int find = lx::rtfWholeWord | lx::rtfNoHighlight;
    const QString htm = QStringLiteral(".htm");
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (int(keys.size()) < bankSize)
        return fail(QStringLiteral("The answer key holds %1 of the %2 questions.").arg(keys.size()).arg(bankSize));
    texts.assign(order.size(), SlotText{});
    int pos = 0;
    size_t c = 0;
    for (int q = 1; q <= bankSize; ++q) {
        buffer.setSelStart(pos);
        int p = -1;
        if (!InBlock(q, start, last)) {
            p = buffer.find(htm, pos, -1, lx::rtfNoHighlight);
            if (p < 0)
                return fail(QStringLiteral("Question %1 has no help file.").arg(q));
        } else {
            if (c >= order.size())
                return fail(QStringLiteral("The block holds more questions than the attempt asks."));
            SlotText& slot = texts[size_t(order[c])];
            for (int m = 0; m < 5; ++m) {
                p = buffer.find(markers[m], pos, -1, find);
                if (p < 0)
                    return fail(QStringLiteral("Question %1 lacks its \"%2\".").arg(q).arg(markers[m]));
                buffer.select(pos, p - pos);
                (m == 0 ? slot.questionRtf : slot.optionRtf[size_t(m - 1)]) = buffer.selRTF();
                pos = p;
            }
            pos = p + int(markers[4].size());
            p = buffer.find(htm, pos, -1, lx::rtfNoHighlight);
            if (p < 0)
                return fail(QStringLiteral("Question %1 has no help file.").arg(q));
            buffer.select(pos, p - pos);
            slot.topic = buffer.selText() + htm;
            slot.key = keys[size_t(q - 1)];
            if (slot.key < 1 || slot.key > 4)
                return fail(QStringLiteral("The answer key of question %1 is not one of A to D.").arg(q));
            ++c;
        }
        pos = p + int(htm.size()) + 3;
    }
    if (c != order.size())
        return fail(QStringLiteral("The bank holds fewer questions than the attempt asks."));
    return true;
}

} // namespace quiz
