#include "special_functions.h"
