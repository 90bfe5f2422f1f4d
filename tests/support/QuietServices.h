#pragma once
// Headless platform services whose message boxes answer at once, silently
// (Yes to a question, OK otherwise), for the fuzzers. Header-only and
// QtCore-only.

#include "platform/Services.h"

class QuietServices : public platform::HeadlessServices {
public:
    int messageBox(const QString&, int style, const QString&) override
    {
        return (style & platform::kButtonMask) == platform::vbYesNo ? platform::vbYes : platform::vbOK;
    }
};
