// Main window settings chosen before the window is built.
#pragma once

#include "client/interf_settings.h"
