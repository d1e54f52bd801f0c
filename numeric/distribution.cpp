#include "distribution.h"
