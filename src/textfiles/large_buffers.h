#pragma once
// The large-buffer helpers live with the engine, which uses them too.

#include "engine/large_buffers.h"
