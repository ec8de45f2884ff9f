#include "aptvodownloader.h"

// The connection bases are declared inline; this unit carries their meta objects.
