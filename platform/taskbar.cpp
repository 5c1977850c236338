#include "platform/taskbar.h"

void ShowTaskbar() {}
