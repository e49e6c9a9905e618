#include "app/first_run_font.h"

void ChooseFirstRunFont(HWND) {}
