// The debt log entry written on the way out.
#include "machine/form1.h"

// Left empty until the debt log exists; the callers have already decided that there
// is a debt and that logging is switched on.
void TForm1::SchuldenLogSchreiben() {}
