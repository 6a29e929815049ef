// Scripted keyboard and mouse input now lives with the scripted player, which plays through it
// too; tests keep including it from here.
#pragma once

#include "autoplay/ScriptedInput.h"
