#include "lens/engine.h"

#include <gtest/gtest.h>
