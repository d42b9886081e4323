#include "editors/VoiceCompressor.h"

#include "common/Numbers.h"

namespace vt::editors {

CompressorGraph ComputeCompressorGraph(int gate, int comp, int ratio, int limiter, int postGain,
                                       int width, int height) {
  const long double G = (gate - 120) * 0.5L, C = (comp - 120) * 0.5L,
                    R = static_cast<long double>(ratio) / (ratio - 2), L = (limiter - 120) * 0.5L,
                    P = postGain * 0.5L;
  CompressorGraph g;
  g.top = L + P >= 0 ? (int(Trunc(L + P)) / 10 + 1) * 10 : 0;
  for (size_t k = 0; k < g.outputScale.size(); ++k)
    g.outputScale[k] = std::to_string(g.top - 10 * int(k)) + "dB";
  const long double T = g.top;
  auto x = [width](long double d) { return int(Trunc((d + 60) * width / 60)); };
  auto y = [height](long double d) { return int(Trunc(-d * height / 60)); };
  g.unity = {GraphPoint{x(-60), y(-60 - T)}, GraphPoint{x(0), y(0 - T)}};
  g.curve = {GraphPoint{x(G), y(-60)}, GraphPoint{x(G), y(G + P - T)},
             GraphPoint{x(C), y(C + P - T)}, GraphPoint{x(C + (L - C) * R), y(L + P - T)},
             GraphPoint{x(0), y(L + P - T)}};
  return g;
}

}  // namespace vt::editors
