// The breakpoint tables of every limit mask. Levels in dB, frequencies in Hz.
#include "filters/LimitMask.h"

namespace vt::filters {

namespace {

using Points = std::vector<LimitPoint>;

LimitMask Make(const char* name, Points upper, Points lower) {
  return LimitMask{name, std::move(upper), std::move(lower)};
}

LimitMask DlGsm() {
  return Make("GSM03.50", {{100, -12}, {200, 0}, {300, 2}, {1000, 0}, {3000, 2}, {3990, 2}},
              {{300, -7}, {500, -5}, {3000, -5}, {3400, -10}});
}

LimitMask DlTs() {
  return Make("TS26.131", {{70, -10}, {200, 2}, {3990, 2}},
              {{300, -9}, {1000, -7}, {3400, -12}});
}

LimitMask FlatWide() {
  return Make("flat wide", {{200, 7}, {1000, 7}, {3700, 7}, {3990, 30}},
              {{300, -7}, {1000, -7}, {3700, -7}, {3990, -30}});
}

LimitMask FlatNarrow() {
  return Make("flat narrow", {{400, 7}, {1000, 7}, {3500, 7}},
              {{500, -7}, {1000, -7}, {3000, -7}, {3990, -50}});
}

LimitMask AtAndT() {
  return Make("AT and T",
              {{100, -8.5L}, {200, 3.5L}, {1175, 3.5L}, {1500, 6.5L}, {2700, 6.5L},
               {3000, 3.5L}, {4000, 3.5L}},
              {{400, -4.5L}, {3100, -4.5L}});
}

// Upper and lower limits at the same 15 frequencies.
LimitMask UsColor() {
  struct Row {
    long double f, upper, lower;
  };
  static const Row rows[] = {
      {131.610934L, -10.04763158L, -30.04763158L},  {181.4311871L, -1.241842105L, -21.24184211L},
      {218.542101L, 2.596578947L, -17.40342105L},   {273.2265635L, 5.983421053L, -14.01657895L},
      {403.8792864L, 8.467105263L, -11.53289474L},  {613.9085989L, 9.821842105L, -10.17815789L},
      {846.2987269L, 10.04763158L, -9.952368421L},  {1166.658256L, 9.821842105L, -10.17815789L},
      {1535.174814L, 9.370263158L, -10.62973684L},  {1875.179067L, 8.692894737L, -11.30710526L},
      {2166.110983L, 7.789736842L, -12.21026316L},  {2633.57102L, 7.112368421L, -12.88763158L},
      {3028.045616L, 6.435L, -13.565L},             {3338.832086L, 5.757631579L, -14.24236842L},
      {3497.843475L, 4.628684211L, -15.37131579L},
  };
  LimitMask mask;
  mask.name = "US color";
  for (const Row& r : rows) {
    mask.upper.push_back({r.f, r.upper});
    mask.lower.push_back({r.f, r.lower});
  }
  return mask;
}

LimitMask UlGsm() {
  return Make("GSM03.50", {{100, -12}, {200, 0}, {1000, 0}, {2000, 4}, {3400, 4}, {4000, 0}},
              {{300, -12}, {1000, -6}, {3000, -6}, {3400, -9}});
}

LimitMask UlTs() {
  return Make("TS26.131", {{100, -12}, {200, 0}, {1000, 0}, {2000, 4}, {3400, 4}, {3990, 0}},
              {{300, -12}, {1000, -6}, {3000, -6}, {3400, -9}});
}

std::vector<LimitMask> Masks(Wizard wizard) {
  if (wizard == Wizard::Downlink) {
    return {DlGsm(), DlTs(), FlatWide(), FlatNarrow(), UsColor(), AtAndT()};
  }
  return {UlGsm(), UlTs(), FlatWide(), FlatNarrow()};
}

}  // namespace

std::vector<std::string> MaskNames(Wizard wizard) {
  std::vector<std::string> names;
  for (const LimitMask& mask : Masks(wizard)) names.push_back(mask.name);
  return names;
}

std::optional<LimitMask> FindMask(Wizard wizard, std::string_view name) {
  for (LimitMask& mask : Masks(wizard)) {
    if (mask.name == name) return std::move(mask);
  }
  return std::nullopt;
}

LimitMask CreationMask(Wizard wizard) {
  if (wizard == Wizard::Uplink) return UlGsm();
  LimitMask mask = DlGsm();
  mask.upper.back() = {4000, 2};
  return mask;
}

LimitMask FirCalculationMask() {
  return Make("", {{100, 10}, {4000, 10}}, {{100, -10}, {4000, -10}});
}

}  // namespace vt::filters
