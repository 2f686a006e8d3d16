#pragma once

#include "Canvas.h"

namespace artwork::palette {

inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Face{122, 126, 132};
inline constexpr Rgb FaceEdge{98, 112, 134};
inline constexpr Rgb Casing{238, 190, 36};
inline constexpr Rgb CasingRim{132, 92, 12};
inline constexpr Rgb Bezel{56, 58, 63};
inline constexpr Rgb GlassEdgeUpper{236, 240, 221};
inline constexpr Rgb GlassEdgeLower{229, 234, 212};
inline constexpr Rgb Print{232, 234, 226};
inline constexpr Rgb Mark{252, 210, 48};
inline constexpr Rgb KnobBody{62, 64, 69};
inline constexpr Rgb KnobRim{112, 115, 121};
inline constexpr Rgb KnobEdge{30, 31, 34};
inline constexpr Rgb Metal{236, 237, 240};
inline constexpr Rgb MetalEdge{150, 153, 160};
inline constexpr Rgb Hole{26, 26, 29};
inline constexpr Rgb SocketRed{196, 36, 30};
inline constexpr Rgb SocketBlack{30, 30, 33};
inline constexpr Rgb PlugBlack{36, 36, 40};
inline constexpr Rgb PlugRed{200, 34, 30};
inline constexpr Rgb LeadBlack{34, 34, 37};
inline constexpr Rgb LeadRed{186, 30, 26};

} // namespace artwork::palette
