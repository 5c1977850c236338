#pragma once
// The system's local time now.
#include <ctime>

std::tm LocalNow();
