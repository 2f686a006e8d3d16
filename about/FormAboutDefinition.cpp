#include "FormAboutDefinition.h"

#include "AboutTexts.h"

#include <array>

namespace about {
namespace {

using platform::FontDefinition;

constexpr FontDefinition ProductNameFont{"MS Sans Serif", 13, true, false, qRgb(0, 0, 0)};
constexpr FontDefinition LinkFont{"MS Sans Serif", 11, false, true, qRgb(0, 0, 255)};

using K = ControlKind;

// The credit starts at the panel's left margin, like the logo and the labels above it, so
// that the whole of it fits between that margin and the link.
constexpr std::array<ControlDefinition, 10> Controls{{
    {K::Button, "OKButton", nullptr, {240, 255, 75, 25}, "OK", nullptr, false, false},
    {K::Panel, "Panel1", nullptr, {8, 8, 561, 241}, "", nullptr, false, false},
    {K::Label,
     "ProductName",
     "Panel1",
     {16, 16, 144, 16},
     "Brask Quorvel",
     &ProductNameFont,
     true,
     false},
    {K::Label, "Version", "Panel1", {61, 48, 22, 13}, "v1.0", nullptr, true, false},
    {K::Label, "Copyright", "Panel1", {16, 182, 128, 13}, CreditText, nullptr, false, false},
    {K::LinkLabel, "Label2", "Panel1", {146, 182, 123, 13}, ToolsLinkText, &LinkFont, false, true},
    {K::Label, "Date", "Panel1", {197, 48, 43, 13}, "Jul  2020", nullptr, true, false},
    {K::Label, "Label1", "Panel1", {16, 48, 39, 13}, "Version:", nullptr, true, false},
    {K::Picture, "Image1", "Panel1", {16, 104, 250, 46}, "", nullptr, false, true},
    {K::Memo, "Memo1", "Panel1", {280, 15, 273, 209}, NoticeText, nullptr, false, false},
}};

} // namespace

std::span<const ControlDefinition> FormAboutControls()
{
    return Controls;
}

} // namespace about
