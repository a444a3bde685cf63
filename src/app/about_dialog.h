// The about box, reached from the system menu.
#pragma once

#include "framework/dialog.h"
#include "resource.h"

class AboutDialog : public Dialog {
public:
    AboutDialog() : Dialog(IDD_ABOUTBOX) {}
};
