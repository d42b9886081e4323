// Block processing of the recursive filters: the same arithmetic, value by
// value and section by section, as TBiQuad::Process, arranged so that
// independent recurrences overlap (SSE2 pairs, AVX2 quads where the processor
// has them).

#include <algorithm>
#include <atomic>
#include <vector>

#include "measure/IirFilters.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace vt::measure {

namespace {

// Where a wavefront also keeps the values leaving every sixth section: those
// of section 6j + 5 for sample m go to out[m * stride + j].
struct Taps {
  double* out = nullptr;
  int stride = 0;
};

// Steps [from, to) of Wavefront, one section at a time.
template <int M>
void Steps(TBiQuad* q, double* x, int n, int from, int to, Taps taps) {
  for (int t = from; t < to; ++t) {
    const int last = std::min(M - 1, t);
    for (int i = std::max(0, t - n + 1); i <= last; ++i) x[t - i] = q[i].Process(x[t - i]);
    if (taps.out)
      for (int i = 5; i <= last; i += 6)
        if (t - i < n) taps.out[(t - i) * taps.stride + i / 6] = x[t - i];
  }
}

#ifdef __SSE2__
// Sections i and i + 1 side by side: lane 1 is section i, lane 0 section
// i + 1, which at the same step works one value earlier. Per lane the same
// operations in the same order as TBiQuad::Process.
struct Pair {
  __m128d a1, a2, b0, b1, b2, w1, w2;
  Pair() = default;
  Pair(const TBiQuad& first, const TBiQuad& second)
      : a1(_mm_set_pd(first.a1, second.a1)), a2(_mm_set_pd(first.a2, second.a2)),
        b0(_mm_set_pd(first.b0, second.b0)), b1(_mm_set_pd(first.b1, second.b1)),
        b2(_mm_set_pd(first.b2, second.b2)), w1(_mm_set_pd(first.w1, second.w1)),
        w2(_mm_set_pd(first.w2, second.w2)) {}
  __m128d Run(__m128d in) {
    const __m128d w = _mm_sub_pd(_mm_sub_pd(in, _mm_mul_pd(a1, w1)), _mm_mul_pd(a2, w2));
    const __m128d y = _mm_add_pd(_mm_add_pd(_mm_mul_pd(b0, w), _mm_mul_pd(b1, w1)), _mm_mul_pd(b2, w2));
    w2 = w1;
    w1 = w;
    return y;
  }
  void Store(TBiQuad& first, TBiQuad& second) const {
    first.w1 = _mm_cvtsd_f64(_mm_unpackhi_pd(w1, w1));
    first.w2 = _mm_cvtsd_f64(_mm_unpackhi_pd(w2, w2));
    second.w1 = _mm_cvtsd_f64(w1);
    second.w2 = _mm_cvtsd_f64(w2);
  }
};
#endif

// Sections s[0..M) over x[0..n) in place, section i one value behind section
// i - 1: at step t section i takes x[t - i], which section i - 1 finished at
// step t - 1, so within a step the M recurrences are independent. Each
// section still takes its values in order.
template <int M>
void Wavefront(TBiQuad* s, double* x, int n, Taps taps = {}) {
  TBiQuad q[M];
  for (int i = 0; i < M; ++i) q[i] = s[i];
  const int steady = M - 1;
  Steps<M>(q, x, n, 0, std::min(steady, n + steady), taps);
  int from = steady;
#ifdef __SSE2__
  if constexpr (M % 2 == 0) {
    if (n > steady) {
      constexpr int P = M / 2;
      Pair pairs[P];
      __m128d in[P], y[P];
      for (int p = 0; p < P; ++p) {
        pairs[p] = Pair(q[2 * p], q[2 * p + 1]);
        in[p] = _mm_loadu_pd(x + steady - 2 * p - 1);
      }
      // The values move from section to section in registers; only the last
      // section's output goes back to memory.
      for (int t = steady;;) {
#pragma GCC unroll 8
        for (int p = 0; p < P; ++p) y[p] = pairs[p].Run(in[p]);
        if (taps.out)  // section 6j + 5 is lane 0 of pair 3j + 2, on sample t - 6j - 5
#pragma GCC unroll 8
          for (int j = 0; j < M / 6; ++j) _mm_storel_pd(taps.out + (t - 6 * j - 5) * taps.stride + j, y[3 * j + 2]);
        if (++t == n) break;
        _mm_storel_pd(x + t - M, y[P - 1]);
        in[0] = _mm_shuffle_pd(y[0], _mm_set_sd(x[t]), 1);
#pragma GCC unroll 8
        for (int p = 1; p < P; ++p) in[p] = _mm_shuffle_pd(y[p], y[p - 1], 1);
      }
      for (int p = 0; p < P; ++p) {
        _mm_storeu_pd(x + n - 2 - 2 * p, y[p]);
        pairs[p].Store(q[2 * p], q[2 * p + 1]);
      }
      from = n;
    }
  }
#endif
  Steps<M>(q, x, n, from, n + steady, taps);
  for (int i = 0; i < M; ++i) s[i] = q[i];
}

#if defined(__x86_64__) && defined(__GNUC__)
#define VT_HAVE_AVX2_PATH 1
std::atomic<bool> g_allowAvx2{true};

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has && g_allowAvx2.load(std::memory_order_relaxed);
}

// Wavefront<12> with AVX2: sections 4q .. 4q + 3 in quad q, lane l holding
// section 4q + 3 - l (lane 0 works on the earliest value). Per lane the
// operations of TBiQuad::Process in the same order. While the wavefront fills
// and drains, lanes without a value of their own keep their state (their
// outputs only ever reach other such lanes).
struct Quads12 {
  static constexpr int M = 12, Q = 3;
  alignas(32) double c[Q][7][4];
  __m256d w1[Q], w2[Q], v[Q], index[Q];
};

template <bool Masked>
__attribute__((target("avx2"), always_inline)) inline void Step12(Quads12& k, double* x, int n, int t,
                                                                   const Taps& taps) {
  constexpr int Q = Quads12::Q;
  __m256d valid[Q];
  if constexpr (Masked) {
    const __m256d now = _mm256_set1_pd(t), limit = _mm256_set1_pd(t - n);
    for (int q = 0; q < Q; ++q)
      valid[q] = _mm256_and_pd(_mm256_cmp_pd(k.index[q], now, _CMP_LE_OQ), _mm256_cmp_pd(k.index[q], limit, _CMP_GT_OQ));
  }
#pragma GCC unroll 3
  for (int q = 0; q < Q; ++q) {  // v: the quad's inputs, then its outputs
    const __m256d w = _mm256_sub_pd(_mm256_sub_pd(k.v[q], _mm256_mul_pd(_mm256_load_pd(k.c[q][0]), k.w1[q])),
                                    _mm256_mul_pd(_mm256_load_pd(k.c[q][1]), k.w2[q]));
    k.v[q] = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(_mm256_load_pd(k.c[q][2]), w),
                                         _mm256_mul_pd(_mm256_load_pd(k.c[q][3]), k.w1[q])),
                           _mm256_mul_pd(_mm256_load_pd(k.c[q][4]), k.w2[q]));
    if constexpr (Masked) {
      k.w2[q] = _mm256_blendv_pd(k.w2[q], k.w1[q], valid[q]);
      k.w1[q] = _mm256_blendv_pd(k.w1[q], w, valid[q]);
    } else {
      k.w2[q] = k.w1[q];
      k.w1[q] = w;
    }
  }
  auto inside = [n](int m) { return !Masked || (m >= 0 && m < n); };
  if (taps.out) {  // section 5: quad 1, lane 2; section 11: quad 2, lane 0
    if (inside(t - 5)) _mm_storel_pd(taps.out + (t - 5) * taps.stride, _mm256_extractf128_pd(k.v[1], 1));
    if (inside(t - 11)) _mm_storel_pd(taps.out + (t - 11) * taps.stride + 1, _mm256_castpd256_pd128(k.v[2]));
  }
  if (inside(t - 11)) _mm_storel_pd(x + t - 11, _mm256_castpd256_pd128(k.v[Q - 1]));
#pragma GCC unroll 3
  for (int q = Q - 1; q > 0; --q)
    k.v[q] = _mm256_blend_pd(_mm256_permute4x64_pd(k.v[q], 0x39), _mm256_permute4x64_pd(k.v[q - 1], 0x00), 0x8);
  const double next = !Masked || t + 1 < n ? x[t + 1] : 0.0;
  k.v[0] = _mm256_blend_pd(_mm256_permute4x64_pd(k.v[0], 0x39), _mm256_set1_pd(next), 0x8);
}

__attribute__((target("avx2"))) void Wavefront12Avx2(TBiQuad* s, double* x, int n, Taps taps) {
  constexpr int M = Quads12::M, Q = Quads12::Q;
  Quads12 k;
  for (int i = 0; i < M; ++i) {
    const TBiQuad& b = s[i];
    const double fields[7] = {b.a1, b.a2, b.b0, b.b1, b.b2, b.w1, b.w2};
    for (int f = 0; f < 7; ++f) k.c[i / 4][f][3 - i % 4] = fields[f];
  }
  for (int q = 0; q < Q; ++q) {
    k.w1[q] = _mm256_load_pd(k.c[q][5]);
    k.w2[q] = _mm256_load_pd(k.c[q][6]);
    k.v[q] = _mm256_setzero_pd();
    k.index[q] = _mm256_set_pd(4 * q, 4 * q + 1, 4 * q + 2, 4 * q + 3);
  }
  k.v[0] = _mm256_set_pd(x[0], 0, 0, 0);
  const int end = n + M - 1, full = std::min(M - 1, n);
  int t = 0;
  for (; t < full; ++t) Step12<true>(k, x, n, t, taps);
  for (; t < n - 1; ++t) Step12<false>(k, x, n, t, taps);
  for (; t < end; ++t) Step12<true>(k, x, n, t, taps);
  for (int q = 0; q < Q; ++q) {
    _mm256_store_pd(k.c[q][5], k.w1[q]);
    _mm256_store_pd(k.c[q][6], k.w2[q]);
  }
  for (int i = 0; i < M; ++i) {
    s[i].w1 = k.c[i / 4][5][3 - i % 4];
    s[i].w2 = k.c[i / 4][6][3 - i % 4];
  }
}

// Groups of four six-section filters, one per lane, each on its own column of
// `in`; every group takes sample m before any takes m + 1. Per lane the
// operations of TBiQuad::Process in the same order, and the squares summed in
// sample order. q holds the sections as [group][section][field][lane].
__attribute__((target("avx2"))) void SideBySideAvx2(double (*q)[6][7][4], int groups, const double* in,
                                                    int stride, int n, double* sums) {
  constexpr int kMaxGroups = 3;
  __m256d w1[kMaxGroups][6], w2[kMaxGroups][6], e[kMaxGroups];
  for (int g = 0; g < groups; ++g) {
    for (int i = 0; i < 6; ++i) {
      w1[g][i] = _mm256_loadu_pd(q[g][i][5]);
      w2[g][i] = _mm256_loadu_pd(q[g][i][6]);
    }
    e[g] = _mm256_loadu_pd(sums + 4 * g);
  }
  for (int m = 0; m < n; ++m) {
#pragma GCC unroll 3
    for (int g = 0; g < groups; ++g) {
      __m256d x = _mm256_loadu_pd(in + m * stride + 4 * g);
#pragma GCC unroll 6
      for (int i = 0; i < 6; ++i) {
        const double(*c)[4] = q[g][i];
        const __m256d w = _mm256_sub_pd(_mm256_sub_pd(x, _mm256_mul_pd(_mm256_loadu_pd(c[0]), w1[g][i])),
                                        _mm256_mul_pd(_mm256_loadu_pd(c[1]), w2[g][i]));
        x = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(_mm256_loadu_pd(c[2]), w), _mm256_mul_pd(_mm256_loadu_pd(c[3]), w1[g][i])),
                          _mm256_mul_pd(_mm256_loadu_pd(c[4]), w2[g][i]));
        w2[g][i] = w1[g][i];
        w1[g][i] = w;
      }
      e[g] = _mm256_add_pd(e[g], _mm256_mul_pd(x, x));
    }
  }
  for (int g = 0; g < groups; ++g) {
    for (int i = 0; i < 6; ++i) {
      _mm256_storeu_pd(q[g][i][5], w1[g][i]);
      _mm256_storeu_pd(q[g][i][6], w2[g][i]);
    }
    _mm256_storeu_pd(sums + 4 * g, e[g]);
  }
}
#endif

}  // namespace

void TGenericIIR::ProcessBlock(double* x, int n) {
  if (n <= 0) return;
  TBiQuad* s = sections_.data();
  int left = Sections();
#ifdef VT_HAVE_AVX2_PATH
  if (HasAvx2())
    for (; left >= 12; left -= 12, s += 12) Wavefront12Avx2(s, x, n, Taps{});
#endif
  for (; left >= 6; left -= 6, s += 6) Wavefront<6>(s, x, n);
  for (; left >= 2; left -= 2, s += 2) Wavefront<2>(s, x, n);
  if (left == 1) Wavefront<1>(s, x, n);
}

bool AllowAvx2(bool allow) {
#ifdef VT_HAVE_AVX2_PATH
  const bool before = g_allowAvx2.exchange(allow);
  return before;
#else
  return false;
#endif
}

void ChainBlock(TGenericIIR* const* filters, int count, double* x, int n, double* out, int stride) {
  if (n <= 0) return;
  for (int f = 0; f < count;) {
#ifdef VT_HAVE_AVX2_PATH
    if (f + 1 < count && filters[f]->Sections() == 6 && filters[f + 1]->Sections() == 6 && HasAvx2()) {
      TBiQuad q[12];
      for (int i = 0; i < 12; ++i) q[i] = *filters[f + i / 6]->Section(i % 6);
      Wavefront12Avx2(q, x, n, Taps{out + f, stride});
      for (int i = 0; i < 12; ++i) *filters[f + i / 6]->Section(i % 6) = q[i];
      f += 2;
      continue;
    }
#endif
    if (filters[f]->Sections() == 6) {
      Wavefront<6>(filters[f]->Section(0), x, n, Taps{out + f, stride});
    } else {
      filters[f]->ProcessBlock(x, n);
      for (int m = 0; m < n; ++m) out[m * stride + f] = x[m];
    }
    ++f;
  }
}

void SquaredSumsSideBySide(TGenericIIR* const* filters, int count, const double* in, int stride, int n,
                           double* sums) {
#ifdef VT_HAVE_AVX2_PATH
  bool six = count <= 12 && stride >= (count + 3) / 4 * 4;
  for (int f = 0; f < count; ++f) six = six && filters[f]->Sections() == 6;
  if (six && HasAvx2()) {
    const int groups = (count + 3) / 4;
    // Lanes without a filter run identity sections on their (zero) column.
    double q[3][6][7][4] = {};
    double lanes[12] = {};
    for (int l = 0; l < 4 * groups; ++l)
      for (int i = 0; i < 6; ++i) {
        const TBiQuad& b = l < count ? *filters[l]->Section(i) : TBiQuad{};
        const double fields[7] = {b.a1, b.a2, b.b0, b.b1, b.b2, b.w1, b.w2};
        for (int v = 0; v < 7; ++v) q[l / 4][i][v][l % 4] = fields[v];
      }
    for (int l = 0; l < count; ++l) lanes[l] = sums[l];
    SideBySideAvx2(q, groups, in, stride, n, lanes);
    for (int l = 0; l < count; ++l) {
      sums[l] = lanes[l];
      for (int i = 0; i < 6; ++i) {
        filters[l]->Section(i)->w1 = q[l / 4][i][5][l % 4];
        filters[l]->Section(i)->w2 = q[l / 4][i][6][l % 4];
      }
    }
    return;
  }
#endif
  std::vector<double> column(static_cast<size_t>(n));
  for (int f = 0; f < count; ++f) {
    for (int m = 0; m < n; ++m) column[static_cast<size_t>(m)] = in[m * stride + f];
    filters[f]->ProcessBlock(column.data(), n);
    for (double y : column) sums[f] += y * y;
  }
}

}  // namespace vt::measure
