#pragma once

#include <QString>

// Captions shared by several windows, and those that name the maker's site.
namespace captions {

QString forumPromotion();
QString coBrandOffer();
QString fullBrandOffer();
// The exit screen's four words of support, numbered 0 to 3; empty for any other number.
QString supportMessage(int number);

} // namespace captions
