#pragma once

// The maker's addresses live in the core, which names the web site in its
// requests too.
#include "app/MakerLinks.h"
