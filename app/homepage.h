// The maker's homepage: one host name, set at build time, from which both forms are made.
#pragma once

#ifndef TESSAVIA_HOMEPAGE_HOST
#define TESSAVIA_HOMEPAGE_HOST "tessavia.example"
#endif

namespace tessavia {

// The bare host that Visit Homepage hands to the shell, and the link's caption.
inline constexpr char kHomepageHost[] = TESSAVIA_HOMEPAGE_HOST;
// The link's stored web address: scheme, host and a trailing slash.
inline constexpr char kHomepageAddress[] = "https://" TESSAVIA_HOMEPAGE_HOST "/";

}  // namespace tessavia
