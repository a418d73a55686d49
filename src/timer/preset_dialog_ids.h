/* Dialog "タイマー登録": asks for the name a timer preset is stored under.
   Plain defines so that the resource compiler can read them too. */
#pragma once

#define IDD_PRESET_NAME 105
#define IDC_PRESET_NAME_EDIT 1051
