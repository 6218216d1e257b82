#pragma once

// Writes x as the plug-in's numeric display text: the integer part, a point and two digits
// ("0.00", "2.25", "30.00"). Leaves text untouched for values too large for eight characters.
// text must hold at least 9 bytes.
void formatParamNumber(double x, char* text);
