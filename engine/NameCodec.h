// The name codec now lives in the format layer; kept for the program's units.
#pragma once

#include "format/NameCodec.h"
