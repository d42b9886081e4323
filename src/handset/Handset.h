// Everything of the handset access layer in one include.
#pragma once

#include "handset/HandsetCommands.h"
#include "handset/HandsetItems.h"
#include "handset/HandsetParams.h"
#include "handset/HandsetState.h"
#include "handset/HandsetTables.h"
#include "handset/Identify.h"
#include "handset/ShellLines.h"
