// The core's redraw as the page runs it, timed under node: the shared redraw
// cases (bench/benchcases.h) against their plain reference frame, so the two
// read as a ratio from one run, as on the desktop. A benchmark, not a test:
// it prints medians and decides nothing. Last, the redraw with dashed back
// lines and the axes.

#include "benchcases.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// Median over 15 batches of `runs` calls, in microseconds per call.
template <class Work> double medianMicroseconds(Work work, int runs)
{
    std::vector<double> batches;
    for (int batch = 0; batch < 15; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int n = 0; n < runs; ++n)
            work();
        const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
        batches.push_back(spent.count() / runs);
    }
    std::nth_element(batches.begin(), batches.begin() + 7, batches.end());
    return batches[7];
}

} // namespace

int main()
{
    BenchScene scene;
    ReferenceFrame reference(scene);
    volatile std::uint32_t sink = 0;
    const auto redraw = [&](const PictureOptions& options) {
        scene.redraw(options);
        sink = sink + scene.box.Image().pixel(198, 198);
    };
    const double plain = medianMicroseconds([&] { redraw({}); }, 400);
    const double referenceTime = medianMicroseconds(
        [&] {
            reference.draw();
            sink = sink + reference.middlePixel();
        },
        400);
    std::printf("full redraw %.1f us, plain reference frame %.1f us, ratio %.2f\n", plain, referenceTime,
                plain / referenceTime);

    // As the desktop's BM_DashedRedraw.
    scene.lookAtView();
    std::printf("dashed redraw with the axes %.1f us\n", medianMicroseconds([&] { redraw(kBenchAids); }, 40));
    return 0;
}
