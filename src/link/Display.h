#pragma once

// The window's widgets still include the presentation types by their old place.
#include "present/Display.h"
