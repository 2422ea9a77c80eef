#pragma once
// The FSRS-6 scheduler as pure functions over value types: memory state after a review, the
// forgetting curve and the interval that reaches a desired retention.

namespace memory {

// The grades of a review.
constexpr int kAgain = 1, kHard = 2, kGood = 3, kEasy = 4;

// The model's 21 weights, w[0] to w[20].
struct SParams {
    double w[21];
};
// The published default weights of FSRS-6.
SParams DefaultParams();

// Stability in days (the interval at which recall falls to 90 %) and difficulty (1 to 10).
struct SMemoryState {
    double stability = 0;
    double difficulty = 0;
};

// The state after a card's first review with this grade (1 to 4; others are taken as Good).
SMemoryState FirstState(int grade, const SParams& p);
// The state after a review elapsedDays after the previous one; 0 is a review on the same day,
// which takes the short-term formula.
SMemoryState NextState(const SMemoryState& s, int grade, long long elapsedDays, const SParams& p);
// The probability of recall elapsedDays after the last review (the FSRS-6 forgetting curve).
double Retrievability(double elapsedDays, double stability, const SParams& p);
// Days until recall falls to desiredRetention: max(1, round(S * m)), at most 36 500.
int IntervalDays(double stability, double desiredRetention, const SParams& p);

} // namespace memory
