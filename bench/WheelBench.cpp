// Wheels: the exact check of a "3 if 6" wheel on 49 numbers, and the generator on the
// covering designs C(v, 6, t) against the best sizes known for them.

#include "play/WheelGenerator.h"
#include "play/WheelVerifier.h"

#include <benchmark/benchmark.h>

using namespace kivora;
using namespace kivora::wheel;

namespace {

MakeResult cover(int v, int t, int stopAt, double seconds)
{
    MakeRequest request;
    request.guarantee = { v, t, t };
    request.ticketSize = 6;
    request.seconds = seconds;
    request.stopAt = stopAt;
    return make(request);
}

void BM_GeneratorCover(benchmark::State &state)
{
    const int v = static_cast<int>(state.range(0));
    const int t = static_cast<int>(state.range(1));
    const int best = static_cast<int>(state.range(2));
    MakeResult result;
    for (auto _ : state)
        result = cover(v, t, best, 60);
    state.counters["found"] = static_cast<double>(result.tickets.size());
    state.counters["best"] = best;
    state.counters["bound"] = result.bound;
    state.counters["greedy"] = result.greedySize;
    state.counters["seconds"] = result.seconds;
}

} // namespace

BENCHMARK(BM_GeneratorCover)->ArgsProduct({ { 12 }, { 4 }, { 41 } })->Iterations(1)->Unit(benchmark::kSecond);
