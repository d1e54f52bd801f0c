#include "moments.h"
