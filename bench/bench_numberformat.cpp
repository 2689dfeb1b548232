#include "core/base/numberformat.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FormatFixed(benchmark::State& state) {
    float v = 12.345f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kora::Format(v, "##0.00"));
        v += 0.001f;
    }
}
BENCHMARK(BM_FormatFixed);

void BM_FormatScientific(benchmark::State& state) {
    float v = 2.92e7f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kora::Format(v, "0.00E+00"));
        v += 3.0f;
    }
}
BENCHMARK(BM_FormatScientific);

void BM_FormatThousands(benchmark::State& state) {
    float v = 32400000.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kora::Format(v, "#,000"));
        v += 2.0f;
    }
}
BENCHMARK(BM_FormatThousands);

void BM_FormatGeneral(benchmark::State& state) {
    float v = 6.2053032f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kora::FormatGeneral(v));
        v += 0.01f;
    }
}
BENCHMARK(BM_FormatGeneral);

} // namespace

BENCHMARK_MAIN();
