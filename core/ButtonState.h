// The toolbar's checked, enabled and hidden states: the only store of which kinds are in the draw.
#pragma once

bool IsButtonChecked(int command);
bool CheckButton(int command, bool checked);
bool EnableButton(int command, bool enabled);
bool HideButton(int command, bool hidden);
