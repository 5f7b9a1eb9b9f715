#pragma once

#include "base/Regional.h"

#include <string_view>

// The price a row gets when its own discounted price is 0: the list price less
// the discount percentage, (100 - discount) * listPrice / 100, rounded to
// kopecks with halves going to the even neighbour. The arguments are the cell
// texts, read as numbers in the regional profile (a text that is not a number
// is 0). The arithmetic is done on the decimal digits as typed, so that a
// half such as 10,15 at 50 % (5,075) is a true half and goes to 5,08; binary
// fractions would turn it into 5,0749999... and round it down.
long double DiscountedPrice(std::string_view listPriceText, std::string_view discountText, const Regional& regional);
