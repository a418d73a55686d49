#include "triggers/trigger_methods.h"

namespace {

const char* const kTriggerMethodNames[kTriggerMethodCount] = {
    "通常",          "左クリックDOWN",       "左クリックUP",       "右クリックDOWN",
    "右クリックUP",  "ホイールクリックDOWN", "ホイールクリックUP", "スペースキー押下",
    "Enterキー押下",
};

}  // namespace

int MendTriggerMethod(int method) {
  return (method >= 0 && method < kTriggerMethodCount) ? method : kTriggerButton;
}

const char* TriggerMethodName(int method) {
  return kTriggerMethodNames[MendTriggerMethod(method)];
}

bool TriggerMethodNeedsMouseHook(int method) {
  return method >= kTriggerLeftDown && method <= kTriggerWheelUp;
}

bool TriggerMethodNeedsKeyHook(int method) {
  return method == kTriggerSpaceKey || method == kTriggerEnterKey;
}
