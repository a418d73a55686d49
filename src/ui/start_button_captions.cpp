#include "ui/start_button_captions.h"

const char kStartCaption[] = "スタート";
const char kPauseCaption[] = "一時停止";
const char kResumeCaption[] = "再開";
