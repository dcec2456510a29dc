#pragma once

// The maker's addresses that the window opens: its web site (Help > Website,
// the About box) and its support forum. The welcome page names the same site.
inline constexpr char kMakerWebSite[] = "https://www.brindlewood.example/";
inline constexpr char kMakerForum[] = "https://www.brindlewood.example/forum/";
