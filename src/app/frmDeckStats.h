#pragma once

// The statistics window lives with the other deck tools; the screenshot tool still includes it here.
#include "decktools/frmDeckStats.h"
