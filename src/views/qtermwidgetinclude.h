#pragma once

// qtermwidget's headers use the bare Qt keywords, which this project switches off.
#define signals Q_SIGNALS
#define slots Q_SLOTS
#include <qtermwidget.h>
#undef signals
#undef slots
