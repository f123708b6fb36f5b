#include "platform/ecriture_sure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ecriture_sure {

namespace {
CrochetEcriture crochet;

bool permis(Etape etape, qint64 octets) { return !crochet || crochet(etape, octets); }

// The error number of the call that just failed, never 0.
int derniere_erreur() {
#ifdef Q_OS_WIN
    switch (GetLastError()) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    default: break;
    }
#endif
    return errno ? errno : EIO;
}

// Pushes what the system holds of the file to the disk: a disk or a share that fills may only
// say so here.
bool synchroniser(QFile& f) {
#ifdef Q_OS_WIN
    return _commit(f.handle()) == 0;
#else
    return ::fsync(f.handle()) == 0;
#endif
}

// Pushes the folder's list of names to the disk, so that a name just given to a file is still
// there after a power cut. Best effort: the file already bears its name (some file systems and
// network shares cannot sync a folder; a folder that may be written to but not read has no
// list to sync from here).
void synchroniser_dossier(const QString& dossier) {
#ifdef Q_OS_WIN
    Q_UNUSED(dossier);  // the move was asked to write through: the name is on the disk already
#else
    const int fd = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#endif
}

// Gives the new file the final name in one step, replacing whatever bears that name (a link
// itself, not what it points to). 0, or the error number.
int remplacer(const QString& temporaire, const QString& fichier) {
#ifdef Q_OS_WIN
    const QString de = QDir::toNativeSeparators(temporaire), vers = QDir::toNativeSeparators(fichier);
    return MoveFileExW(reinterpret_cast<LPCWSTR>(de.utf16()), reinterpret_cast<LPCWSTR>(vers.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : derniere_erreur();
#else
    return std::rename(QFile::encodeName(temporaire).constData(), QFile::encodeName(fichier).constData()) == 0
               ? 0
               : derniere_erreur();
#endif
}

// Gives the new file the final name in one step, only if nothing bears it: 0, EEXIST when
// something does, or another error number (the name is then left as it was).
int nommer(const QString& temporaire, const QString& fichier, qint64 octets) {
#ifdef Q_OS_WIN
    Q_UNUSED(octets);
    const QString de = QDir::toNativeSeparators(temporaire), vers = QDir::toNativeSeparators(fichier);
    return MoveFileExW(reinterpret_cast<LPCWSTR>(de.utf16()), reinterpret_cast<LPCWSTR>(vers.utf16()),
                       MOVEFILE_WRITE_THROUGH)
               ? 0
               : derniere_erreur();
#else
    const QByteArray de = QFile::encodeName(temporaire), vers = QFile::encodeName(fichier);
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
    if (!permis(Etape::nom_exclusif, octets))
        errno = EINVAL;  // as on a file system that cannot
    else if (::renameat2(AT_FDCWD, de.constData(), AT_FDCWD, vers.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return derniere_erreur();
#else
    Q_UNUSED(octets);
#endif
    // A second name for the file, refused when the name is taken, then the first one removed.
    // Once the file bears its name it is saved: a temporary name that cannot be removed, even
    // at a second try, stays beside it (the same file under a hidden name), and the name taken
    // is kept.
    if (::link(de.constData(), vers.constData()) == 0) {
        if (::unlink(de.constData()) != 0) ::unlink(de.constData());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != ENOSYS) return derniere_erreur();
    // A file system without second names (FAT on a USB stick): the name is taken by creating
    // an empty file under it, which only one writer can do, then the new file replaces it.
    const int fd = ::open(vers.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return derniere_erreur();
    ::close(fd);
    if (std::rename(de.constData(), vers.constData()) == 0) return 0;
    const int code = derniere_erreur();
    ::unlink(vers.constData());
    return code;
#endif
}

// A new file with a short name of its own in the folder of the final name (so that the final
// name may use the whole length a name can have), created only if no file bears it. 0, or the
// error number; `nom` receives its name.
int ouvrir_temporaire(const QString& dossier, QFile& f, QString& nom) {
    for (int essai = 0; essai < 16; ++essai) {
        nom = dossier + QStringLiteral("/.vantarel-") +
                            QString::number(QRandomGenerator::global()->generate(), 16) + QStringLiteral(".tmp");
#ifdef Q_OS_WIN
        f.setFileName(nom);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) return 0;
        if (!QFileInfo::exists(nom)) return derniere_erreur();
#else
        const int fd = ::open(QFile::encodeName(nom).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (f.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) return 0;
            ::close(fd);
            ::unlink(QFile::encodeName(nom).constData());
            return EIO;
        }
        if (errno != EEXIST) return derniere_erreur();
#endif
    }
    return EEXIST;
}

// The steps of a write up to its new name. `nommer_fichier` gives the complete file its name
// (0, or the error number); the folder is synced after it. `remplace`: the file takes the place
// of the one that bears the name, and its permissions.
bool ecrire_puis_nommer(const QString& fichier, const QByteArray& contenu, QString* erreur, bool remplace,
                        const std::function<int(const QString& temporaire)>& nommer_fichier) {
    auto echec = [&](int code) {
        if (erreur) *erreur = cause(code);
        return false;
    };
    const QFileInfo final_(fichier);
    if (final_.fileName().isEmpty()) return echec(ENOENT);

    QFile f;
    QString temporaire;
    if (!permis(Etape::ouverture, 0)) return echec(ENOSPC);
    if (const int code = ouvrir_temporaire(final_.path(), f, temporaire)) return echec(code);

    auto abandon = [&](int code) {
        f.close();
        QFile::remove(temporaire);
        return echec(code);
    };

    constexpr qint64 bloc = 64 * 1024;
    qint64 ecrits = 0;
    while (ecrits < contenu.size()) {
        const qint64 n = std::min(bloc, qint64(contenu.size()) - ecrits);
        if (!permis(Etape::ecriture, ecrits)) return abandon(ENOSPC);
        errno = 0;
        if (f.write(contenu.constData() + ecrits, n) != n) return abandon(derniere_erreur());
        ecrits += n;
    }
    errno = 0;
    if (!permis(Etape::vidage, ecrits)) return abandon(ENOSPC);
    if (!f.flush()) return abandon(derniere_erreur());
    // A file replaced keeps its permissions, as a file written in place would (where the file
    // system has none to set, such as some network shares, the new file keeps its own); set
    // before the sync, which takes them to the disk with the content. A new file keeps its own.
    if (remplace && final_.exists() && !final_.isSymLink()) f.setPermissions(final_.permissions());
    errno = 0;
    if (!permis(Etape::synchronisation, ecrits)) return abandon(ENOSPC);
    if (!synchroniser(f)) return abandon(derniere_erreur());
    errno = 0;
    f.close();
    if (f.error() != QFileDevice::NoError) return abandon(derniere_erreur());

    errno = 0;
    const int code = permis(Etape::remplacement, ecrits) ? nommer_fichier(temporaire) : EIO;
    if (code) {
        QFile::remove(temporaire);
        return echec(code);
    }
    // The file bears its name: it is saved, whatever the folder's sync gives.
    if (permis(Etape::synchronisation_dossier, ecrits)) synchroniser_dossier(final_.path());
    return true;
}
}

void installer_crochet(CrochetEcriture c) { crochet = std::move(c); }

bool ecrire(const QString& fichier, const QByteArray& contenu, QString* erreur) {
    if (const QFileInfo final_(fichier); final_.isDir() && !final_.isSymLink()) {
        if (erreur) *erreur = cause(EISDIR);
        return false;
    }
    return ecrire_puis_nommer(fichier, contenu, erreur, true,
                              [&](const QString& temporaire) { return remplacer(temporaire, fichier); });
}

bool ecrire_simplement(const QString& fichier, const QByteArray& contenu, QString* erreur) {
    QFile f(fichier);
    errno = 0;
    const bool ouvert = f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (ouvert && f.write(contenu) == contenu.size() && f.flush()) {
        f.close();
        if (f.error() == QFileDevice::NoError) return true;
    }
    const int code = derniere_erreur();
    f.close();
    // Only a file this call wrote to: one it could not open (another user's) is left alone.
    if (ouvert) QFile::remove(fichier);
    if (erreur) *erreur = cause(code);
    return false;
}

QString nom_numerote(const QString& fichier, int n) {
    const qsizetype debut_du_nom = std::max(fichier.lastIndexOf(QLatin1Char('/')), fichier.lastIndexOf(QLatin1Char('\\'))) + 1;
    qsizetype point = fichier.lastIndexOf(QLatin1Char('.'));
    if (point <= debut_du_nom) point = fichier.size();  // no extension (or a name that starts with its dot)
    return fichier.left(point) + QStringLiteral(" (%1)").arg(n) + fichier.mid(point);
}

QString ecrire_nouveau(const QString& fichier, const QByteArray& contenu, QString* erreur) {
    QString pris;
    const bool ecrit = ecrire_puis_nommer(fichier, contenu, erreur, false, [&](const QString& temporaire) {
        int code = EEXIST;
        for (int n = 1; code == EEXIST && n < 100000; ++n) {
            pris = n == 1 ? fichier : nom_numerote(fichier, n);
            code = nommer(temporaire, pris, contenu.size());
        }
        return code;
    });
    return ecrit ? pris : QString();
}

QString message_avec_cause(const QString& message, const QString& cause) {
    return message + QStringLiteral("\nCause : ") + cause + QLatin1Char('.');
}

QString cause(int numero) {
    switch (numero) {
    case ENOENT: return QStringLiteral("le dossier n'existe pas");
    case ENOTDIR: return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EACCES:
    case EPERM: return QStringLiteral("accès refusé");
    case EROFS: return QStringLiteral("le disque est protégé en écriture");
    case ENOSPC: return QStringLiteral("le disque est plein");
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("le quota de disque est dépassé");
#endif
    case EFBIG: return QStringLiteral("le fichier est trop gros pour ce disque");
    case ENAMETOOLONG: return QStringLiteral("le nom du fichier est trop long");
    case EISDIR: return QStringLiteral("un dossier porte ce nom");
    case EEXIST: return QStringLiteral("un fichier porte déjà ce nom");
    case ELOOP: return QStringLiteral("le chemin passe par trop de liens");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("le fichier est utilisé par un autre programme");
    case EMFILE:
    case ENFILE: return QStringLiteral("trop de fichiers sont ouverts");
    case ENOMEM: return QStringLiteral("la mémoire est insuffisante");
    case EIO: return QStringLiteral("erreur de lecture ou d'écriture sur le disque");
    default: return QStringLiteral("erreur du système n° %1").arg(numero);
    }
}

}
