#pragma once
#include <string>

#include "tools/stages/stage_script.h"

// The text form of a stage script. A line "stage N" starts stage N (0 to 7); each line
// after it is one entry of 16 numbers in the columns of the stage file:
//   time type sprite start  pos x y z  vel x y z  anchor x y z  aux interval lifetime
// '#' starts a comment. Whole numbers are decimal or 0x hexadecimal; the vectors are
// doubles, "inf", "-inf", or "nan:" and the 16 hex digits of the bits.

// The script as text; every number reads back to the same bits.
std::string writeScriptText(const StageScript& script);
// The script in a text; name prefixes each error, which carries its line number.
LoadedScript parseScriptText(const std::string& text, const std::string& name);
