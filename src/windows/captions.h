#pragma once

#include <QString>

// Captions shared by several windows, and those that name the maker's site.
namespace captions {

QString forumPromotion();
QString coBrandOffer();
QString fullBrandOffer();

} // namespace captions
