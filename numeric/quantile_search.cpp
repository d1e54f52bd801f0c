#include "quantile_search.h"
