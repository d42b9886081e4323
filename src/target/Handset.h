// Everything of the handset access layer in one include.
#pragma once

#include "target/HandsetCommands.h"
#include "target/HandsetItems.h"
#include "target/HandsetParams.h"
#include "target/HandsetState.h"
#include "target/HandsetTables.h"
#include "target/Identify.h"
#include "target/ShellLines.h"
