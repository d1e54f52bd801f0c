#include "student.h"
