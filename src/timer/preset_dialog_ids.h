/* Dialog "タイマー登録": asks for the name a timer preset is stored under.
   Plain defines so that the resource compiler can read them too. */
#ifndef MIPO_TIMER_PRESET_DIALOG_IDS_H
#define MIPO_TIMER_PRESET_DIALOG_IDS_H

#define IDD_PRESET_NAME 105
#define IDC_PRESET_NAME_EDIT 1051

#endif /* MIPO_TIMER_PRESET_DIALOG_IDS_H */
