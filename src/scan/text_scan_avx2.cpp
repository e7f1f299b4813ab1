#include <immintrin.h>

#include "scan/text_scan_simd.h"
#include "scan/text_scan_vector.h"

namespace {

struct Avx2 {
  using Vector = __m256i;
  static Vector Zero() { return _mm256_setzero_si256(); }
  static Vector Splat(char byte) { return _mm256_set1_epi8(byte); }
  static Vector Load(const unsigned char* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  }
  static Vector Equal(Vector a, Vector b) { return _mm256_cmpeq_epi8(a, b); }
  static Vector Or(Vector a, Vector b) { return _mm256_or_si256(a, b); }
  static Vector Subtract(Vector a, Vector b) { return _mm256_sub_epi8(a, b); }
  static bool Any(Vector a) { return !_mm256_testz_si256(a, a); }
  static std::int64_t SumBytes(Vector a) {
    const __m256i sums = _mm256_sad_epu8(a, _mm256_setzero_si256());
    const __m128i halves =
        _mm_add_epi64(_mm256_castsi256_si128(sums), _mm256_extracti128_si256(sums, 1));
    return _mm_cvtsi128_si32(halves) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(halves, halves));
  }
};

}  // namespace

TextScan ScanTextAvx2(const unsigned char* data, std::size_t size) {
  return ScanTextWith<Avx2>(data, size);
}
