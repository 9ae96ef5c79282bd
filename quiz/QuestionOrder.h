#pragma once
// The block of consecutive bank questions an attempt asks, its random display order, and
// the cutting of the block's texts out of the question file.
//
// A bank question in the file reads: the question text, "A:" and option A, "B:", "C:",
// "D:", "Help File:" and the topic's file name ending in ".htm", then three separator
// characters. The markers are found as whole words without regard to case.
#include <QString>
#include <array>
#include <vector>

namespace lx {
class RandomSource;
class RichText;
} // namespace lx

namespace quiz {

// The last bank question of the block of n from start, wrapping past bankSize to 1.
int LastOfBlock(int start, int n, int bankSize);
// Whether bank question q belongs to the block [start, last] (wrapped when last < start).
bool InBlock(int q, int start, int last);

// A start drawn as Int((bankSize - 1) * Rnd) + 1 after seeding from the clock: never the
// last bank question. A bank of one question starts at 1.
int DrawStart(int bankSize, lx::RandomSource& random, double seed);
// The display order of a take: 0 .. n - 1, then for each i a swap with Int((n - 1) * Rnd),
// after seeding from the clock.
std::vector<int> BuildTakeOrder(int n, lx::RandomSource& random, double seed);

// What one slot shows.
struct SlotText {
    QString questionRtf;                 // up to option A's marker
    std::array<QString, 4> optionRtf;    // each from its own marker to the next one
    QString topic;                       // the help page's file name, ".htm" included
    int key = 0;                         // 1 to 4
};

// Cuts the block [start, last] out of the bank in buffer: block question i (in bank order)
// goes to slot order[i], with the key of its bank number from keys (bank order). False with
// the reason when a marker or a key is missing; texts is then unusable.
bool CutBlock(lx::RichText& buffer, int bankSize, int start, int last, const std::vector<int>& order,
              const std::vector<int>& keys, std::vector<SlotText>& texts, QString* error);

} // namespace quiz
