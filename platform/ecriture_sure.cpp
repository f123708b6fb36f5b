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
#include <unistd.h>
#endif

namespace ecriture_sure {

namespace {
CrochetEcriture crochet;

bool permis(Etape etape, qint64 octets) { return !crochet || crochet(etape, octets); }

QString raison_systeme(int numero) { return QString::fromLocal8Bit(std::strerror(numero)); }

// Pushes what the system holds of the file to the disk: a disk or a share that fills may only
// say so here.
bool synchroniser(QFile& f) {
#ifdef Q_OS_WIN
    return _commit(f.handle()) == 0;
#else
    return ::fsync(f.handle()) == 0;
#endif
}

// Gives the new file the final name in one step, replacing whatever bears that name (a link
// itself, not what it points to).
bool remplacer(const QString& temporaire, const QString& fichier) {
#ifdef Q_OS_WIN
    const QString de = QDir::toNativeSeparators(temporaire), vers = QDir::toNativeSeparators(fichier);
    return MoveFileExW(reinterpret_cast<LPCWSTR>(de.utf16()), reinterpret_cast<LPCWSTR>(vers.utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(QFile::encodeName(temporaire).constData(), QFile::encodeName(fichier).constData()) == 0;
#endif
}

// A new file with a short name of its own in the folder of the final name (so that the final
// name may use the whole length a name can have), created only if no file bears it.
bool ouvrir_temporaire(const QString& dossier, QFile& f) {
    for (int essai = 0; essai < 16; ++essai) {
        f.setFileName(dossier + QStringLiteral("/.vantarel-") +
                      QString::number(QRandomGenerator::global()->generate(), 16) + QStringLiteral(".tmp"));
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) return true;
        if (!QFileInfo::exists(f.fileName())) return false;
    }
    return false;
}
}

void installer_crochet(CrochetEcriture c) { crochet = std::move(c); }

bool ecrire(const QString& fichier, const QByteArray& contenu, QString* erreur) {
    auto echec = [&](const QString& texte) {
        if (erreur) *erreur = texte;
        return false;
    };
    const QFileInfo final_(fichier);
    if (final_.fileName().isEmpty()) return echec(QStringLiteral("no file name"));
    if (final_.isDir() && !final_.isSymLink()) return echec(QStringLiteral("a folder bears that name"));

    QFile f;
    if (!permis(Etape::ouverture, 0) || !ouvrir_temporaire(final_.path(), f))
        return echec(f.errorString().isEmpty() ? QStringLiteral("cannot create a file") : f.errorString());

    auto abandon = [&](const QString& texte) {
        f.close();
        QFile::remove(f.fileName());
        return echec(texte);
    };

    constexpr qint64 bloc = 64 * 1024;
    qint64 ecrits = 0;
    while (ecrits < contenu.size()) {
        const qint64 n = std::min(bloc, qint64(contenu.size()) - ecrits);
        if (!permis(Etape::ecriture, ecrits)) return abandon(raison_systeme(ENOSPC));
        if (f.write(contenu.constData() + ecrits, n) != n) return abandon(f.errorString());
        ecrits += n;
    }
    if (!permis(Etape::vidage, ecrits) || !f.flush()) return abandon(raison_systeme(ENOSPC));
    errno = 0;
    if (!permis(Etape::synchronisation, ecrits) || !synchroniser(f))
        return abandon(raison_systeme(errno ? errno : EIO));
    // A file replaced keeps its permissions, as a file written in place would (where the file
    // system has none to set, such as some network shares, the new file keeps its own).
    if (final_.exists() && !final_.isSymLink() && !f.setPermissions(final_.permissions())) f.unsetError();
    f.close();
    if (f.error() != QFileDevice::NoError) return abandon(f.errorString());

    errno = 0;
    if (!permis(Etape::remplacement, ecrits) || !remplacer(f.fileName(), fichier)) {
        const QString raison = raison_systeme(errno ? errno : EIO);
        QFile::remove(f.fileName());
        return echec(raison);
    }
    return true;
}

}
