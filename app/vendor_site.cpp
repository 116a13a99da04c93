#include "app/vendor_site.h"

#include "tapwell_site.h"

std::wstring VendorSiteUrl() { return L"" TAPWELL_SITE_TEXT; }

std::wstring ProductPageUrl() { return VendorSiteUrl() + L"/tapwell.html"; }

std::wstring UpdatePageUrl() { return VendorSiteUrl() + L"/tapwell-checkupdate.html"; }
