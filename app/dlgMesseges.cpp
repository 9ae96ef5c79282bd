#include "dlgMesseges.h"

void installMessageBox() {}
