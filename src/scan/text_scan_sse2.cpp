#include <emmintrin.h>

#include "scan/text_scan_simd.h"

// Per 64 bytes: four compares against 26, folded into one test, and four against 9, whose
// all-ones lanes are subtracted into byte counters. A lane gains at most 4 per step, so the
// counters are summed into 64 bits every 63 steps, before they could pass 255.
TextScan ScanTextSse2(const unsigned char* data, std::size_t size) {
  const __m128i tab = _mm_set1_epi8(9);
  const __m128i end_of_text = _mm_set1_epi8(26);
  const __m128i zero = _mm_setzero_si128();
  std::int64_t tabs = 0;
  std::size_t i = 0;
  bool end_seen = false;
  while (!end_seen && size - i >= 64) {
    const std::size_t steps = (size - i) / 64 < 63 ? (size - i) / 64 : 63;
    const std::size_t stop = i + steps * 64;
    __m128i counters = zero;
    for (; i < stop; i += 64) {
      const auto* p = reinterpret_cast<const __m128i*>(data + i);
      const __m128i a = _mm_loadu_si128(p);
      const __m128i b = _mm_loadu_si128(p + 1);
      const __m128i c = _mm_loadu_si128(p + 2);
      const __m128i d = _mm_loadu_si128(p + 3);
      const __m128i ends = _mm_or_si128(
          _mm_or_si128(_mm_cmpeq_epi8(a, end_of_text), _mm_cmpeq_epi8(b, end_of_text)),
          _mm_or_si128(_mm_cmpeq_epi8(c, end_of_text), _mm_cmpeq_epi8(d, end_of_text)));
      if (_mm_movemask_epi8(ends) != 0) {
        end_seen = true;  // the plain loop finds it within these 64 bytes
        break;
      }
      counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(a, tab));
      counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(b, tab));
      counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(c, tab));
      counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(d, tab));
    }
    const __m128i sums = _mm_sad_epu8(counters, zero);
    tabs += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
  }
  const TextScan rest = ScanTextPlain(data + i, size - i);
  return {tabs + rest.tabs, rest.ended};
}
