#pragma once
// Control helpers shared by the two parameter pages and the form settings
// dialog.

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
// A number box takes only digits from the keyboard, but pasting brings
// anything. Drops every other character from the box's text and returns
// true when there was one: the box then reports the digits as a change of
// their own, and its rule runs on them there.
bool DropNonDigits(HWND box);
