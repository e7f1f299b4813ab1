#include <emmintrin.h>

#include "scan/text_scan_simd.h"
#include "scan/text_scan_vector.h"

namespace {

struct Sse2 {
  using Vector = __m128i;
  static Vector Zero() { return _mm_setzero_si128(); }
  static Vector Splat(char byte) { return _mm_set1_epi8(byte); }
  static Vector Load(const unsigned char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  }
  static Vector Equal(Vector a, Vector b) { return _mm_cmpeq_epi8(a, b); }
  static Vector Or(Vector a, Vector b) { return _mm_or_si128(a, b); }
  static Vector Subtract(Vector a, Vector b) { return _mm_sub_epi8(a, b); }
  static bool Any(Vector a) { return _mm_movemask_epi8(a) != 0; }
  static std::int64_t SumBytes(Vector a) {
    const __m128i sums = _mm_sad_epu8(a, _mm_setzero_si128());
    return _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
  }
};

}  // namespace

TextScan ScanTextSse2(const unsigned char* data, std::size_t size) {
  return ScanTextWith<Sse2>(data, size);
}
