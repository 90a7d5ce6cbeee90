#pragma once

// The main window names the laboratory the order goes to.
#include "order/laboratory.h"
