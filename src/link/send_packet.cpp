#include "link/log.h"
