// The debt log: one line in a file named after the player, the date and the time.
#include "machine/form1.h"

void TForm1::SchuldenLogSchreiben() {}
void TForm1::SchuldenLogEintrag(const std::string&, const std::string&) {}
