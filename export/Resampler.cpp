#include "export/Resampler.h"

#include "export/Passes.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace exporting {

namespace detail {

void DoStretch(const Filter& filter, float radius, const Bitmap& source, Bitmap& target,
               PassCode code)
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
    {
        const WindowWeights windows = ComputeWindowWeights(
            targetWidth, ScaleFactor(sourceWidth, targetWidth), filter, radius);
        const TContributorList list = ContributorsFrom(windows, sourceWidth);
        const WidthPlan plan = PlanWidthPass(windows, sourceWidth);
        RunWidthPass(plan, list, source, work, code);
    }
    const TContributorList list = BuildContributors(
        sourceHeight, targetHeight, ScaleFactor(sourceHeight, targetHeight), filter, radius);
    const HeightPlan plan = PlanHeightPass(list, work);
    RunHeightPass(plan, list, work, target, code);
}

} // namespace detail

void DoStretch(const Filter& filter, float radius, const Bitmap& source, Bitmap& target)
{
    detail::DoStretch(filter, radius, source, target, detail::BestPassCode());
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
