#pragma once

// The random draws of a run: which offer the input window shows, and which word of
// support the exit screen says.

// Which of the input window's two offers a start brings to the front.
enum class FrontOffer { FullBrand, CoBrand, AsBuilt };

// The start's draw from a random r with 0 <= r < 1: r x 6 + 1 in single precision,
// rounded to the nearest whole number, halves to even; so 1 to 7.
int offerDraw(float r);

// 2, 4 or 6 bring the fully-branded offer forward, 1, 3 or 5 the co-branding offer;
// 7 leaves the offers as the window was built.
FrontOffer frontOfferFor(int draw);

// The exit screen's word of support for a random r with 0 <= r < 1: the whole part of
// r x 4, so 0 to 3.
int supportMessageNumber(float r);
