#include "lab/Lab.h"
