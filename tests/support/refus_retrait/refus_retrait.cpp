// Preloaded into a test's child process (LD_PRELOAD): a file system that cannot take a name
// only if free in one call (renameat2 with RENAME_NOREPLACE fails with EINVAL), on which the
// writer's hidden temporary files (".vantarel-*") cannot be removed (EIO).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>

namespace {
bool cache(const char* chemin) {
    const char* nom = std::strrchr(chemin, '/');
    return std::strncmp(nom ? nom + 1 : chemin, ".vantarel-", 10) == 0;
}

template <typename F>
F suivante(const char* nom) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, nom));
}
}

extern "C" {
int renameat2(int de_dossier, const char* de, int vers_dossier, const char* vers, unsigned int options) {
    if (options & RENAME_NOREPLACE) {
        errno = EINVAL;
        return -1;
    }
    return suivante<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2")(de_dossier, de, vers_dossier,
                                                                                           vers, options);
}

int unlink(const char* chemin) {
    if (cache(chemin)) {
        errno = EIO;
        return -1;
    }
    return suivante<int (*)(const char*)>("unlink")(chemin);
}

int unlinkat(int dossier, const char* chemin, int options) {
    if (cache(chemin)) {
        errno = EIO;
        return -1;
    }
    return suivante<int (*)(int, const char*, int)>("unlinkat")(dossier, chemin, options);
}
}
