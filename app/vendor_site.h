// The vendor's web site and the two of its pages the program uses. The site (scheme and host,
// optionally a port) is fixed when the program is built: the CMake cache variable TAPWELL_SITE.
#pragma once

#include <string>

// The site itself, for example http://www.quillora.com.
std::wstring VendorSiteUrl();
// The product page, opened in the browser by Help, F1 and the update dialog's Yes.
std::wstring ProductPageUrl();
// The update page, whose body begins with the newest version's number.
std::wstring UpdatePageUrl();
