#include "export/Resampler.h"

#include "export/Passes.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace exporting {

namespace detail {

namespace {

// The contributor list with only the entries that MixContributors has to mix.
TContributorList ExactEntries(const WindowWeights& windows, int n,
                              const std::vector<std::int32_t>& exact)
{
    TContributorList list(std::size_t(windows.count()));
    for (const std::int32_t i : exact)
        list[std::size_t(i)] = EntryFrom(windows, n, i);
    return list;
}

} // namespace

void DoStretch(const Filter& filter, float radius, const Bitmap& source, Bitmap& target,
               InstructionSet set)
{
    if (!(std::isfinite(radius) && radius >= 0))
        throw std::invalid_argument("the filter radius must be 0 or positive");
    const int sourceWidth = source.width();
    const int sourceHeight = source.height();
    const int targetWidth = target.width();
    const int targetHeight = target.height();
    if (sourceWidth == 0 || sourceHeight == 0 || targetWidth == 0 || targetHeight == 0)
        return;

    struct ChannelRelease {
        ~ChannelRelease() { ReleaseChannels(); }
    } releaseChannels;

    WorkPicture work(targetWidth, sourceHeight);
    const float columnScale = ScaleFactor(sourceWidth, targetWidth);
    const float rowScale = ScaleFactor(sourceHeight, targetHeight);
    // The weights depend only on the scale and the destination position, so with one scale
    // (the export's 75 %) the shorter direction's weights are the start of the longer one's.
    WindowWeights rowWindows;
    WindowWeights columnWindows;
    if (columnScale == rowScale) {
        rowWindows =
            ComputeWindowWeights(std::max(targetWidth, targetHeight), rowScale, filter, radius);
        columnWindows = rowWindows.prefix(targetWidth);
        rowWindows = rowWindows.prefix(targetHeight);
    } else {
        columnWindows = ComputeWindowWeights(targetWidth, columnScale, filter, radius);
        rowWindows = ComputeWindowWeights(targetHeight, rowScale, filter, radius);
    }
    {
        const WidthPlan plan = PlanWidthPass(columnWindows, sourceWidth);
        RunWidthPass(plan, ExactEntries(columnWindows, sourceWidth, plan.exact), source, work, set);
    }
    const HeightPlan plan = PlanHeightPass(rowWindows, sourceHeight, work);
    RunHeightPass(plan, ExactEntries(rowWindows, sourceHeight, plan.exact), work, target, set);
}

} // namespace detail

void DoStretch(const Filter& filter, float radius, const Bitmap& source, Bitmap& target)
{
    detail::DoStretch(filter, radius, source, target, detail::BestInstructionSet());
}

void StretchBitmap(int newWidth, int newHeight, FilterNumber filter, float radius, Bitmap& bitmap)
{
    const Filter& chosen = FilterFor(filter);
    if (!(std::isfinite(radius) && radius >= 0))
        throw std::invalid_argument("the filter radius must be 0 or positive");
    Bitmap target(newWidth, newHeight);
    DoStretch(chosen, radius == 0 ? chosen.radius : radius, bitmap, target);
    bitmap = std::move(target);
}

} // namespace exporting
