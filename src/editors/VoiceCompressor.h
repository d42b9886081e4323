// The voice compressor's static input/output characteristic as drawn by its
// tuning graph: the output scale and the polyline, in plot pixels.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace vt::editors {

struct GraphPoint {
  int x, y;
  bool operator==(const GraphPoint&) const = default;
};

struct CompressorGraph {
  int top = 0;                           // output level at the top of the plot (dB)
  std::array<std::string, 7> outputScale;  // "0dB" ... top to bottom
  std::array<GraphPoint, 2> unity;       // the unity-gain reference line
  std::array<GraphPoint, 5> curve;       // gate, compression, limiter knee, right edge
};

// From the positions of "Gate Thr.", "Comp Thr.", "Comp Ratio", "Limiter
// Thr." and "Post Gain", for a plot of width x height pixels.
CompressorGraph ComputeCompressorGraph(int gate, int comp, int ratio, int limiter, int postGain,
                                       int width = 300, int height = 300);

}  // namespace vt::editors
