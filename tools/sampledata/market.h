// Odds and payoffs derived from the horses' chances. Odds are kept in tenths (25 is 2.5),
// as the odds records carry them; 0 marks a pair that cannot occur.
#pragma once
#include <cstdint>
#include <vector>

#include "tools/sampledata/card.h"

namespace sampledata {

// Number of placed horses for the place bet: 2 for up to 7 runners, else 3.
int PlacesPaid(int runners);

// Chances of finishing orders when every horse's win chance is p (they sum to 1), each
// later place taken among the rest in proportion to the same chances.
double ExactaChance(const std::vector<double>& p, int first, int second);  // 0-based
double QuinellaChance(const std::vector<double>& p, int a, int b);
double TrifectaChance(const std::vector<double>& p, int first, int second, int third);
double TrioChance(const std::vector<double>& p, int a, int b, int c);
// Chance that a horse ends among the first `places`.
double PlaceChance(const std::vector<double>& p, int horse, int places);
// Chance that both horses end among the first three.
double WideChance(const std::vector<double>& p, int a, int b);

// Index of pair (i, j) in the order 1-1, 1-2, ..., 8-8 (i <= j) or 1-2, ..., 17-18 (i < j).
int BracketPairIndex(int i, int j);
int HorsePairIndex(int i, int j);

// The odds of one announcement. Vote totals are numbers of votes.
struct Market {
  std::vector<int> win;         // per horse
  std::vector<int> place_low;   // per horse
  std::vector<int> place_high;  // per horse
  std::vector<int> bracket;     // 36 bracket pairs, 0 = cannot occur
  std::vector<int> quinella;    // 153 horse pairs, 0 = beyond the runners
  int64_t win_votes = 0;
  int64_t place_votes = 0;
  int64_t bracket_votes = 0;
  int64_t quinella_votes = 0;
};

// The public's view of the win chances at an announcement: each strength times
// exp(blur * bias of the horse), normalised; blur 0 gives the true chances.
std::vector<double> Belief(const Race& race, const std::vector<double>& bias, double blur);
// The true win chances (strength over the sum).
std::vector<double> TrueChances(const Race& race);

// Odds from chances after the takeout; each bet type's odds clamped to what its field
// holds (999.9, 9999.9, 99999.9) and never below 1.0. Vote totals: the final totals of
// the race times `share_sold` (0..1).
struct FinalVotes {
  int64_t win = 0, place = 0, bracket = 0, quinella = 0;
};
Market MakeMarket(const Race& race, const std::vector<double>& belief, const FinalVotes& votes,
                  double share_sold);

// Popularity of each value: 1 for the lowest odds, ties share a rank; 0 values get 0.
std::vector<int> Popularity(const std::vector<int>& odds);

// Payoffs of a race that has been run, in yen per 100 yen.
struct PayoffEntry {
  std::vector<int> numbers;  // horse numbers, or bracket numbers for the bracket quinella
  int64_t amount = 0;
  int popularity = 0;
};
struct Payoffs {
  std::vector<PayoffEntry> win, place, bracket, quinella, wide, exacta, trio, trifecta;
};
// From the final market (win, place, bracket and quinella payoffs agree with its odds) and
// the final belief (the other bet types).
Payoffs MakePayoffs(const Race& race, const Market& final_market,
                    const std::vector<double>& final_belief);

}  // namespace sampledata
