#pragma once
// Control helpers shared by the two parameter pages.

#include "pages/ParamValues.h"

#include <windows.h>

#include <string>

// Appends the entries of `items` to a drop-down list, in their order.
void FillList(HWND list, const ItemList& items);
// Gives an up-down control its range; it then stops at both ends.
void SetSpinRange(HWND spin, int lowest, int highest);
// Replaces a number box's text by a corrected one and puts the caret at its
// end, so that the user can go on typing.
void ReplaceBoxText(HWND box, const std::wstring& text);
