#include "common/scriptedprompt.h"
