#include "tools/sampledata/market.h"

#include <algorithm>
#include <cmath>

namespace sampledata {
namespace {

constexpr double kWinRate = 0.80, kPlaceRate = 0.80, kBracketRate = 0.775, kQuinellaRate = 0.775,
                 kWideRate = 0.775, kExactaRate = 0.75, kTrioRate = 0.75, kTrifectaRate = 0.725;

int OddsTenths(double rate, double chance, int max_tenths) {
  if (chance <= 0) return max_tenths;
  double tenths = std::floor(rate / chance * 10.0);
  return static_cast<int>(std::clamp(tenths, 10.0, static_cast<double>(max_tenths)));
}

// Yen paid per 100 yen for a chance: the odds in tenths times ten, at least 100.
int64_t Amount(double rate, double chance) {
  return static_cast<int64_t>(OddsTenths(rate, chance, 99999999)) * 10;
}

// 1 + the number of values above `value`.
int RankOf(const std::vector<double>& chances, double value) {
  return 1 + static_cast<int>(std::count_if(chances.begin(), chances.end(),
                                            [&](double c) { return c > value; }));
}

double BracketChance(const Race& race, const std::vector<double>& p, int a, int b) {
  double sum = 0;
  int n = static_cast<int>(race.runners.size());
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      int bi = race.runners[static_cast<std::size_t>(i)].bracket;
      int bj = race.runners[static_cast<std::size_t>(j)].bracket;
      if ((bi == a && bj == b) || (bi == b && bj == a)) sum += QuinellaChance(p, i, j);
    }
  }
  return sum;
}

}  // namespace

int PlacesPaid(int runners) { return runners <= 7 ? 2 : 3; }

double ExactaChance(const std::vector<double>& p, int first, int second) {
  return p[first] * p[second] / (1.0 - p[first]);
}

double QuinellaChance(const std::vector<double>& p, int a, int b) {
  return ExactaChance(p, a, b) + ExactaChance(p, b, a);
}

double TrifectaChance(const std::vector<double>& p, int first, int second, int third) {
  return ExactaChance(p, first, second) * p[third] / (1.0 - p[first] - p[second]);
}

double TrioChance(const std::vector<double>& p, int a, int b, int c) {
  return TrifectaChance(p, a, b, c) + TrifectaChance(p, a, c, b) + TrifectaChance(p, b, a, c) +
         TrifectaChance(p, b, c, a) + TrifectaChance(p, c, a, b) + TrifectaChance(p, c, b, a);
}

double PlaceChance(const std::vector<double>& p, int horse, int places) {
  int n = static_cast<int>(p.size());
  double sum = p[horse];
  for (int j = 0; j < n && places >= 2; ++j) {
    if (j == horse) continue;
    sum += ExactaChance(p, j, horse);
    for (int k = 0; k < n && places >= 3; ++k) {
      if (k != horse && k != j) sum += TrifectaChance(p, j, k, horse);
    }
  }
  return sum;
}

double WideChance(const std::vector<double>& p, int a, int b) {
  double sum = 0;
  for (int c = 0; c < static_cast<int>(p.size()); ++c) {
    if (c != a && c != b) sum += TrioChance(p, a, b, c);
  }
  return sum;
}

int BracketPairIndex(int i, int j) {
  int index = 0;
  for (int a = 1; a < i; ++a) index += 9 - a;
  return index + (j - i);
}

int HorsePairIndex(int i, int j) {
  int index = 0;
  for (int a = 1; a < i; ++a) index += 18 - a;
  return index + (j - i - 1);
}

std::vector<double> TrueChances(const Race& race) {
  std::vector<double> p;
  double sum = 0;
  for (const Runner& r : race.runners) sum += r.strength;
  for (const Runner& r : race.runners) p.push_back(r.strength / sum);
  return p;
}

std::vector<double> Belief(const Race& race, const std::vector<double>& bias, double blur) {
  std::vector<double> p;
  double sum = 0;
  for (std::size_t i = 0; i < race.runners.size(); ++i) {
    double b = i < bias.size() ? bias[i] : 0.0;
    p.push_back(race.runners[i].strength * std::exp(blur * b));
    sum += p.back();
  }
  for (double& v : p) v /= sum;
  return p;
}

Market MakeMarket(const Race& race, const std::vector<double>& p, const FinalVotes& votes,
                  double share_sold) {
  Market m;
  int n = static_cast<int>(race.runners.size());
  int places = PlacesPaid(n);
  for (int i = 0; i < n; ++i) {
    m.win.push_back(OddsTenths(kWinRate, p[i], 9999));
    double fair = kPlaceRate / PlaceChance(p, i, places);
    int low = std::clamp(static_cast<int>(std::floor(fair * 0.8 * 10)), 10, 9999);
    int high = std::clamp(static_cast<int>(std::floor(fair * 1.25 * 10)), low, 9999);
    m.place_low.push_back(low);
    m.place_high.push_back(high);
  }
  m.bracket.assign(36, 0);
  for (int a = 1; a <= 8; ++a) {
    for (int b = a; b <= 8; ++b) {
      double c = BracketChance(race, p, a, b);
      if (c > 0) m.bracket[BracketPairIndex(a, b)] = OddsTenths(kBracketRate, c, 99999);
    }
  }
  m.quinella.assign(153, 0);
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      m.quinella[HorsePairIndex(i, j)] =
          OddsTenths(kQuinellaRate, QuinellaChance(p, i - 1, j - 1), 999999);
    }
  }
  auto sold = [&](int64_t total) {
    return static_cast<int64_t>(std::llround(static_cast<double>(total) * share_sold));
  };
  m.win_votes = sold(votes.win);
  m.place_votes = sold(votes.place);
  m.bracket_votes = sold(votes.bracket);
  m.quinella_votes = sold(votes.quinella);
  return m;
}

std::vector<int> Popularity(const std::vector<int>& odds) {
  std::vector<int> ranks;
  for (int v : odds) {
    if (v == 0) {
      ranks.push_back(0);
      continue;
    }
    ranks.push_back(1 + static_cast<int>(std::count_if(odds.begin(), odds.end(),
                                                       [&](int o) { return o != 0 && o < v; })));
  }
  return ranks;
}

Payoffs MakePayoffs(const Race& race, const Market& m, const std::vector<double>& p) {
  Payoffs pay;
  int n = static_cast<int>(race.runners.size());
  std::vector<int> order(static_cast<std::size_t>(n));  // 0-based horses by finishing place
  for (int i = 0; i < n; ++i) {
    int place = race.runners[static_cast<std::size_t>(i)].finish;
    if (place >= 1 && place <= n) order[static_cast<std::size_t>(place - 1)] = i;
  }
  int f1 = order[0], f2 = order[1], f3 = order[2];

  std::vector<int> win_pop = Popularity(m.win), place_pop = Popularity(m.place_low);
  pay.win.push_back({{f1 + 1}, m.win[f1] * 10LL, win_pop[f1]});
  for (int k = 0; k < PlacesPaid(n); ++k) {
    int h = order[static_cast<std::size_t>(k)];
    int64_t mid = (m.place_low[h] + m.place_high[h]) / 2;
    pay.place.push_back({{h + 1}, mid * 10, place_pop[h]});
  }
  int b1 = race.runners[static_cast<std::size_t>(f1)].bracket;
  int b2 = race.runners[static_cast<std::size_t>(f2)].bracket;
  if (b1 > b2) std::swap(b1, b2);
  std::vector<int> bracket_pop = Popularity(m.bracket);
  int bi = BracketPairIndex(b1, b2);
  pay.bracket.push_back({{b1, b2}, m.bracket[bi] * 10LL, bracket_pop[bi]});
  int q1 = std::min(f1, f2) + 1, q2 = std::max(f1, f2) + 1;
  std::vector<int> quinella_pop = Popularity(m.quinella);
  int qi = HorsePairIndex(q1, q2);
  pay.quinella.push_back({{q1, q2}, m.quinella[qi] * 10LL, quinella_pop[qi]});

  // The other bet types: chances of every combination, for the popularity ranks.
  std::vector<double> wide, exacta, trio, trifecta;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (j == i) continue;
      exacta.push_back(ExactaChance(p, i, j));
      if (j > i) wide.push_back(WideChance(p, i, j));
      for (int k = 0; k < n; ++k) {
        if (k == i || k == j) continue;
        trifecta.push_back(TrifectaChance(p, i, j, k));
        if (j > i && k > j) trio.push_back(TrioChance(p, i, j, k));
      }
    }
  }
  int top[3] = {f1, f2, f3};
  std::sort(top, top + 3);
  for (int a = 0; a < 3; ++a) {
    for (int b = a + 1; b < 3; ++b) {
      double c = WideChance(p, top[a], top[b]);
      pay.wide.push_back({{top[a] + 1, top[b] + 1}, Amount(kWideRate, c), RankOf(wide, c)});
    }
  }
  double ce = ExactaChance(p, f1, f2);
  pay.exacta.push_back({{f1 + 1, f2 + 1}, Amount(kExactaRate, ce), RankOf(exacta, ce)});
  double ct = TrioChance(p, top[0], top[1], top[2]);
  pay.trio.push_back(
      {{top[0] + 1, top[1] + 1, top[2] + 1}, Amount(kTrioRate, ct), RankOf(trio, ct)});
  double cf = TrifectaChance(p, f1, f2, f3);
  pay.trifecta.push_back(
      {{f1 + 1, f2 + 1, f3 + 1}, Amount(kTrifectaRate, cf), RankOf(trifecta, cf)});
  return pay;
}

}  // namespace sampledata
