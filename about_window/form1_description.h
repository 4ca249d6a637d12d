// The About window's description.
#pragma once

#include "forms/description.h"

extern const forms::FormDescription Form1Description;
