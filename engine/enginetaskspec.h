#pragma once

// The engine's task input is defined beside the task store that fills it.
#include "taskstore.h"
