// The processor clock, measured once at start-up for the risk game's pace.
#include "shell/form1.h"

double TForm1::GetCPUSpeed() { return ::GetCPUSpeed(Services.cpuClock); }
