#pragma once

#include "catalogue/DocumentTypes.h"

#include <string>
#include <vector>

// The root elements of the two kinds of message the runs write.
inline constexpr char kPriceListRoot[] = "KALMIRAMessage";
inline constexpr char kInvoiceRoot[] = "BookCommerceMessage";

// The existing files a run of this type into `outputPath` would replace that
// hold the other kind of message: a price list about to be overwritten by an
// invoice, or the reverse. An invoice run may write a package, so its
// "-k.xml" files count too. Files that are not one of our messages, or
// cannot be read, are not named.
std::vector<std::string> OtherKindOfMessage(const std::string& outputPath, TDocumentType type);
