#pragma once

#include "entryrules.h"

#include <optional>

// The twelve sun signs, in the catalogue's order.
enum class Sign { Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces };

// The sun sign of a date of birth, by its month and day alone, or none when either
// list shows nothing or a position lies outside its list.
std::optional<Sign> signFor(const BirthDate &date);
