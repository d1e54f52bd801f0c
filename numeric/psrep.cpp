#include "psrep.h"
