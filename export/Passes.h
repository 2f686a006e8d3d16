#pragma once

#include "export/Bitmap.h"
#include "export/Contributors.h"
#include "export/Filters.h"
#include "export/InstructionSet.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The two filter passes over packed copies of the contributor lists. Every destination pixel is
// the same as MixContributors gives: the sums wrap modulo 2^32 in any order, and the division
// is replaced by a multiplication that is exact for the totals it is used with. Entries that the
// fast code cannot take (a total of 0 or beyond +-4096, a weight beyond 16 bits) are mixed with
// LoadChannels and MixContributors; their TContributorList entries are the only ones built.
namespace exporting::detail {

// The picture between the passes: 3 bytes per pixel, rows padded so that 32-byte reads and
// writes of up to 4 bytes past the last pixel stay inside the row.
class WorkPicture {
public:
    WorkPicture(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    std::ptrdiff_t pitch() const { return pitch_; }
    std::uint8_t* row(int y) { return bytes_.get() + y * pitch_; }
    const std::uint8_t* row(int y) const { return bytes_.get() + y * pitch_; }

private:
    int width_;
    int height_;
    std::ptrdiff_t pitch_;
    std::unique_ptr<std::uint8_t[]> bytes_;
};

// How the channel sums of one destination pixel become bytes: value = sum * scale + offset,
// clamped to 0..255 and cut. scale = 1 / total and offset = 0.5 / |total| in single precision.
// Then value's integer part equals the truncating division for |total| <= 4096 (the rounding
// errors stay below 5e-5, the offset keeps every quotient at least 0.5 / |total| away from the
// next integer), and the clamp takes care of sums whose quotient lies outside 0..255.
struct Divisor {
    float scale = 0;
    float offset = 0;
};

// Whether an entry can be mixed by the packed code, and its divisor.
bool Packable(const std::int32_t* weights, std::size_t count, Divisor& divisor);
// The weights' sum, wrapped to 32 bits.
std::uint32_t WrappedTotal(const std::int32_t* weights, std::size_t count);

// First pass, along the rows. Each source row is copied into an extended line that holds, in
// order, the pixels that the window positions from the smallest to the largest read, so that
// every destination column mixes a run of `taps` consecutive extended pixels.
struct WidthPlan {
    int targetWidth = 0;
    int taps = 2;                      // even
    std::vector<std::size_t> start;    // per column: its first extended pixel
    std::vector<std::int16_t> weights; // per column: taps / 2 groups (w0, w1) x 4
    std::vector<Divisor> divisors;     // per column
    std::vector<std::uint32_t> totals; // per column
    std::vector<std::int32_t> exact;   // columns left to MixContributors
    std::vector<std::int32_t> source;  // per extended pixel: the source column it copies
    // Extended pixels directBegin .. directEnd - 1 copy consecutive source columns.
    std::size_t directBegin = 0;
    std::size_t directEnd = 0;
};

WidthPlan PlanWidthPass(const WindowWeights& windows, int sourceWidth);
// list holds at least the entries of plan.exact.
void RunWidthPass(const WidthPlan& plan, const TContributorList& list, const Bitmap& source,
                  WorkPicture& work, InstructionSet set);

// Second pass, down the columns, worked along the rows: each destination row is the mix of
// whole rows of the work picture.
struct HeightPlan {
    struct Pair {
        std::ptrdiff_t first; // byte offsets of the two work rows
        std::ptrdiff_t second;
        std::int32_t weights; // first weight in the low 16 bits, second in the high 16 bits
    };
    std::vector<std::size_t> begin; // per row into pairs; one more than rows
    std::vector<Pair> pairs;
    std::vector<Divisor> divisors;     // per row
    std::vector<std::uint32_t> totals; // per row
    std::vector<bool> packed;          // per row
    std::vector<std::int32_t> exact;   // rows left to MixContributors
};

HeightPlan PlanHeightPass(const WindowWeights& windows, int sourceHeight, const WorkPicture& work);
void RunHeightPass(const HeightPlan& plan, const TContributorList& list, const WorkPicture& work,
                   Bitmap& target, InstructionSet set);

// DoStretch with the chosen instruction set.
void DoStretch(const Filter& filter, float radius, const Bitmap& source, Bitmap& target,
               InstructionSet set);

} // namespace exporting::detail
