#pragma once

// The maker's addresses: its web site (Help > Website, the About box, the
// welcome page, and the contact that online lookups name by default) and its
// support forum.
inline constexpr char kMakerWebSite[] = "https://www.brindlewood.example/";
inline constexpr char kMakerForum[] = "https://www.brindlewood.example/forum/";
