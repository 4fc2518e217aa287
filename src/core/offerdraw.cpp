#include "offerdraw.h"

#include <algorithm>
#include <cmath>

int offerDraw(float r)
{
    const float scaled = r * 6.0f + 1.0f;
    // The default rounding mode rounds halves to the even neighbour.
    return int(std::lrint(scaled));
}

FrontOffer frontOfferFor(int draw)
{
    switch (draw) {
    case 2:
    case 4:
    case 6:
        return FrontOffer::FullBrand;
    case 1:
    case 3:
    case 5:
        return FrontOffer::CoBrand;
    default:
        return FrontOffer::AsBuilt;
    }
}

int supportMessageNumber(float r)
{
    return std::clamp(int(r * 4), 0, 3);
}
