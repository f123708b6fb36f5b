// Preloaded into a test's child process (LD_PRELOAD): a file system that cannot take a name
// only if free in one call (renameat2 with RENAME_NOREPLACE fails with EINVAL), on which the
// writer's hidden temporary files (".vantarel-*") cannot be removed (EIO).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>

static int refus(int code) { return errno = code, -1; }
static bool cache(const char* chemin) {
    const char* nom = std::strrchr(chemin, '/');
    return std::strncmp(nom ? nom + 1 : chemin, ".vantarel-", 10) == 0;
}
#define SUIVANTE(nom, type) reinterpret_cast<type>(dlsym(RTLD_NEXT, nom))

extern "C" int renameat2(int de_dossier, const char* de, int vers_dossier, const char* vers, unsigned options) {
    if (options & RENAME_NOREPLACE) return refus(EINVAL);
    return SUIVANTE("renameat2", int (*)(int, const char*, int, const char*, unsigned))(de_dossier, de, vers_dossier,
                                                                                        vers, options);
}
extern "C" int unlink(const char* chemin) {
    return cache(chemin) ? refus(EIO) : SUIVANTE("unlink", int (*)(const char*))(chemin);
}
extern "C" int unlinkat(int dossier, const char* chemin, int options) {
    return cache(chemin) ? refus(EIO) : SUIVANTE("unlinkat", int (*)(int, const char*, int))(dossier, chemin, options);
}
