/* Preloaded into 32-bit programs that run under qemu's user-mode emulation.
 * qemu 7.2 ignores MAP_FIXED_NOREPLACE and treats the address as a mere hint,
 * so Wine's loader, which reserves its address space with that flag, sees
 * every attempt fail and splits its ranges down to 64 KiB: about 100,000
 * mappings and a minute per process start. Here the flag is honoured: the
 * range is looked up in the process's own map and mapped fixed when free.
 *
 * qemu 7.2 also delivers SIGSEGV with the trap number -1 in the signal
 * context, and Wine's handler then takes every page fault (a stack guard
 * page, a reserved page) for an illegal instruction and kills the process.
 * A SIGSEGV handler installed with SA_SIGINFO is wrapped: a trap number of -1
 * becomes 14 (page fault) for a fault on an address (qemu fills in the error
 * code of those) and 13 (protection fault) for one the kernel raised. */
typedef unsigned int uintptr_t;
typedef unsigned int size_t;
typedef long long int64_t;

#define MAP_FIXED 0x10
#define MAP_FIXED_NOREPLACE 0x100000
#define MAP_FAILED_PTR ((void *)-1)
#define EEXIST_CODE 17
#define RTLD_NEXT_HANDLE ((void *)-1)

extern int open(const char *path, int flags, ...);
extern long read(int fd, void *buf, unsigned long n);
extern int close(int fd);
extern int *__errno_location(void);
extern void *dlsym(void *handle, const char *name);

typedef void (*sigaction_handler)(int, void *, void *);
struct ksigaction { /* the C library's struct sigaction on i386 */
    sigaction_handler handler;
    unsigned long mask[32];
    int flags;
    void (*restorer)(void);
};
typedef int (*sigaction_fn)(int, const struct ksigaction *, struct ksigaction *);

typedef void *(*mmap64_fn)(void *, size_t, int, int, int, int64_t);
typedef void *(*mmap_fn)(void *, size_t, int, int, int, long);

static uintptr_t hexnum(const char **p)
{
    uintptr_t v = 0;
    for (;; (*p)++) {
        char c = **p;
        if (c >= '0' && c <= '9') v = v * 16 + (uintptr_t)(c - '0');
        else if (c >= 'a' && c <= 'f') v = v * 16 + (uintptr_t)(c - 'a' + 10);
        else return v;
    }
}

/* True when no mapping of the process overlaps [a, a + len). */
static int range_free(uintptr_t a, size_t len)
{
    uintptr_t end = a + len;
    if (end < a) return 0;
    int fd = open("/proc/self/maps", 0);
    if (fd < 0) return 0;
    static char buf[65536];
    long n = 0, got;
    while (n < (long)sizeof buf - 1 && (got = read(fd, buf + n, sizeof buf - 1 - n)) > 0) n += got;
    close(fd);
    if (n >= (long)sizeof buf - 1) return 0; /* map too long to judge: refuse */
    buf[n] = '\0';
    for (const char *p = buf; *p;) {
        uintptr_t s = hexnum(&p);
        if (*p == '-') p++;
        uintptr_t e = hexnum(&p);
        if (s < end && e > a) return 0;
        while (*p && *p != '\n') p++;
        if (*p) p++;
    }
    return 1;
}

static int fix_flags(void *addr, size_t len, int *flags)
{
    if (!(*flags & MAP_FIXED_NOREPLACE) || !addr) return 1;
    if (!range_free((uintptr_t)addr, len)) {
        *__errno_location() = EEXIST_CODE;
        return 0;
    }
    *flags = (*flags & ~MAP_FIXED_NOREPLACE) | MAP_FIXED;
    return 1;
}

void *mmap64(void *addr, size_t len, int prot, int flags, int fd, int64_t off)
{
    static mmap64_fn real;
    if (!real) real = (mmap64_fn)dlsym(RTLD_NEXT_HANDLE, "mmap64");
    if (!fix_flags(addr, len, &flags)) return MAP_FAILED_PTR;
    return real(addr, len, prot, flags, fd, off);
}

void *mmap(void *addr, size_t len, int prot, int flags, int fd, long off)
{
    static mmap_fn real;
    if (!real) real = (mmap_fn)dlsym(RTLD_NEXT_HANDLE, "mmap");
    if (!fix_flags(addr, len, &flags)) return MAP_FAILED_PTR;
    return real(addr, len, prot, flags, fd, off);
}

#define SIGSEGV_NUM 11
#define SA_SIGINFO_FLAG 4
#define UC_TRAPNO 68 /* byte offsets of the trap number and error code in ucontext_t */
#define SI_CODE 8 /* byte offset of si_code in siginfo_t */
#define SEGV_MAPERR_CODE 1
#define SEGV_ACCERR_CODE 2
#define SI_KERNEL_CODE 0x80

static sigaction_handler s_segv;

static void segv_wrapper(int sig, void *info, void *uc)
{
    unsigned int *trapno = (unsigned int *)((char *)uc + UC_TRAPNO);
    int code = *(int *)((char *)info + SI_CODE);
    if (*trapno == 0xFFFFFFFFu) {
        if (code == SEGV_MAPERR_CODE || code == SEGV_ACCERR_CODE) *trapno = 14;
        else if (code == SI_KERNEL_CODE) *trapno = 13;
    }
    s_segv(sig, info, uc);
}

int sigaction(int sig, const struct ksigaction *act, struct ksigaction *old)
{
    static sigaction_fn real;
    if (!real) real = (sigaction_fn)dlsym(RTLD_NEXT_HANDLE, "sigaction");
    if (sig != SIGSEGV_NUM || !act || !(act->flags & SA_SIGINFO_FLAG) || act->handler == segv_wrapper)
        return real(sig, act, old);
    struct ksigaction wrapped = *act;
    sigaction_handler previous = s_segv;
    s_segv = act->handler;
    wrapped.handler = segv_wrapper;
    int r = real(sig, &wrapped, old);
    if (r != 0) s_segv = previous;
    else if (old && old->handler == segv_wrapper) old->handler = previous;
    return r;
}
