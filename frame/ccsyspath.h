// Location of the installation's system path (libraries directory).
#ifndef CCSYSPATH_H
#define CCSYSPATH_H

#include <windows.h>

#define CC_INI_FILE "c:\\kerv_config.ini"

// CC_ROOT\CC_SYSTEM\sub into buf; 1 on success, 0 (buf untouched) otherwise.
int CCGetEnvPath(const char *sub, char *buf, int size);
// Always fills buf (size > 0): environment, else the INI file, else the Windows
// directory (written back to the INI file).
void CCGetSystemPath(char *buf, int size);

#endif
