// System path: environment, configuration file, Windows directory.
#include "ccsyspath.h"
#include <string.h>
#include "cctext.h"

// Reads an environment variable; 0 when missing, empty or not shorter than size.
static DWORD ReadEnv(const char *name, char *buf, DWORD size)
{
    DWORD n = GetEnvironmentVariableA(name, buf, size);
    if (n == 0 || n >= size) return 0;
    return n;
}

int CCGetEnvPath(const char *sub, char *buf, int size)
{
    if (!buf || size <= 0) return 0;
    char root[MAX_PATH * 2], sys[MAX_PATH * 2];
    DWORD lr = ReadEnv("CC_ROOT", root, sizeof root);
    DWORD ls = ReadEnv("CC_SYSTEM", sys, sizeof sys);
    if (!lr || !ls) return 0;
    size_t lsub = sub ? strlen(sub) : 0;
    if (lr + ls + lsub + 2 >= (size_t)size) return 0;
    size_t pos = CCCopyText(buf, size, root);
    buf[pos++] = '\\';
    pos += CCCopyText(buf + pos, size - pos, sys);
    buf[pos++] = '\\';
    CCCopyText(buf + pos, size - pos, sub ? sub : "");
    return 1;
}

void CCGetSystemPath(char *buf, int size)
{
    if (!buf || size <= 0) return;
    char value[512];
    if (CCGetEnvPath("windows\\lib", value, sizeof value < (size_t)size ? sizeof value : size)) {
        memset(buf, 0, size);
        CCCopyText(buf, size, value);
        return;
    }
    GetPrivateProfileStringA("Config", "SystemPath", "NONE", value, sizeof value, CC_INI_FILE);
    bool fits = strlen(value) < (size_t)size;
    if (strcmp(value, "NONE") == 0 || !fits) {
        // A value too long for the caller is not cut: the Windows directory is used
        // for this call and nothing is written back.
        UINT n = GetWindowsDirectoryA(value, (UINT)(size < (int)sizeof value ? size : sizeof value));
        bool ok = n > 0 && n < (UINT)size && n < sizeof value;
        if (!ok) value[0] = '\0';
        if (ok && fits) WritePrivateProfileStringA("Config", "SystemPath", value, CC_INI_FILE);
    }
    memset(buf, 0, size);
    CCCopyText(buf, size, value);
}
