// Filled in with the hazard family it tests.
#include "tests/unit/GameFixture.h"
