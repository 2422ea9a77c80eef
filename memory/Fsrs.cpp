// The FSRS-6 formulas. Stability and difficulty are clamped and rounded to 8 decimals where the
// published reference (ts-fsrs) does, so that the same reviews give the same schedule.
#include "memory/Fsrs.h"

#include <algorithm>
#include <cmath>

namespace memory {

namespace {

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;
constexpr int kMaxInterval = 36500;

// Rounding half up, as the reference rounds.
double RoundHalfUp(double x)
{
    const double f = std::floor(x);
    return x - f >= 0.5 ? f + 1 : f;
}

double Round8(double x) { return RoundHalfUp(x * 1e8) / 1e8; }

double Clamp(double x, double lo, double hi) { return std::min(std::max(x, lo), hi); }

int ClampGrade(int grade) { return grade >= kAgain && grade <= kEasy ? grade : kGood; }

// The forgetting curve's decay (negative) and the factor that makes R(S, S) = 0.9.
double Decay(const SParams& p) { return -p.w[20]; }
// Both depend on the decay (and the retention) alone; the last values are kept, as a rebuild
// asks for them a million times with the same weights.
double Factor(const SParams& p)
{
    thread_local double decay = 0, factor = 0;
    if (p.w[20] != decay) {
        factor = Round8(std::exp(std::log(0.9) / Decay(p)) - 1);
        decay = p.w[20];
    }
    return factor;
}

double IntervalModifier(double desiredRetention, const SParams& p)
{
    thread_local double decay = 0, retention = 0, modifier = 0;
    if (p.w[20] != decay || desiredRetention != retention) {
        modifier = Round8((std::pow(desiredRetention, 1 / Decay(p)) - 1) / Factor(p));
        decay = p.w[20];
        retention = desiredRetention;
    }
    return modifier;
}

double InitDifficulty(int grade, const SParams& p) { return Round8(p.w[4] - std::exp((grade - 1) * p.w[5]) + 1); }

double NextDifficulty(double d, int grade, const SParams& p)
{
    const double delta = -p.w[6] * (grade - 3);
    const double damped = d + Round8(delta * (10 - d) / 9); // linear damping: smaller steps near 10
    const double reverted = Round8(p.w[7] * InitDifficulty(kEasy, p) + (1 - p.w[7]) * damped);
    return Clamp(reverted, 1, 10);
}

double RecallStability(double d, double s, double r, int grade, const SParams& p)
{
    const double hardPenalty = grade == kHard ? p.w[15] : 1;
    const double easyBonus = grade == kEasy ? p.w[16] : 1;
    const double growth =
        std::exp(p.w[8]) * (11 - d) * std::pow(s, -p.w[9]) * (std::exp((1 - r) * p.w[10]) - 1) * hardPenalty * easyBonus;
    return Round8(Clamp(s * (1 + growth), kMinStability, kMaxStability));
}

double LapseStability(double d, double s, double r, const SParams& p)
{
    const double forgot = Round8(Clamp(p.w[11] * std::pow(d, -p.w[12]) * (std::pow(s + 1, p.w[13]) - 1) *
                                           std::exp((1 - r) * p.w[14]),
                                       kMinStability, kMaxStability));
    // Never above what the same-day formula would leave after Again.
    const double cap = Round8(s / std::exp(p.w[17] * p.w[18]));
    return std::min(std::max(cap, kMinStability), forgot);
}

double ShortTermStability(double s, int grade, const SParams& p)
{
    double sinc = std::pow(s, -p.w[19]) * std::exp(p.w[17] * (grade - 3 + p.w[18]));
    if (grade >= kHard)
        sinc = std::max(sinc, 1.0); // a recall on the same day never lowers stability
    return Round8(Clamp(s * sinc, kMinStability, kMaxStability));
}

} // namespace

SParams DefaultParams()
{
    return SParams{{0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, 0.796, 1.4835,
                    0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542}};
}

SMemoryState FirstState(int grade, const SParams& p)
{
    grade = ClampGrade(grade);
    return SMemoryState{std::max(p.w[grade - 1], 0.1), Clamp(InitDifficulty(grade, p), 1, 10)};
}

SMemoryState NextState(const SMemoryState& s, int grade, long long elapsedDays, const SParams& p)
{
    grade = ClampGrade(grade);
    if (s.stability <= 0)
        return FirstState(grade, p);
    const double stability = std::max(s.stability, kMinStability);
    const double difficulty = Clamp(s.difficulty, 1, 10);
    elapsedDays = std::max(elapsedDays, 0LL);
    SMemoryState next;
    if (elapsedDays == 0) {
        next.stability = ShortTermStability(stability, grade, p);
    } else {
        const double r = Retrievability(static_cast<double>(elapsedDays), stability, p);
        next.stability = grade == kAgain ? LapseStability(difficulty, stability, r, p)
                                         : RecallStability(difficulty, stability, r, grade, p);
    }
    next.difficulty = NextDifficulty(difficulty, grade, p);
    return next;
}

double Retrievability(double elapsedDays, double stability, const SParams& p)
{
    if (stability <= 0)
        return 0;
    return Round8(std::pow(1 + Factor(p) * std::max(elapsedDays, 0.0) / stability, Decay(p)));
}

int IntervalDays(double stability, double desiredRetention, const SParams& p)
{
    const double days = RoundHalfUp(stability * IntervalModifier(desiredRetention, p));
    if (!(days >= 1)) // also NaN
        return 1;
    return days > kMaxInterval ? kMaxInterval : static_cast<int>(days);
}

} // namespace memory
