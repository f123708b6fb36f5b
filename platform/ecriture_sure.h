#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// The one way the program writes a file that a teacher keeps (reports, pictures): the whole
// content goes into a new file beside the final one, every write, the flush and the sync to
// disk are checked, and only then does the new file take the final name in one step. So a full
// disk, a quota or a network share that fills leaves the earlier file as it was and is
// reported, never a truncated file. Once the file bears its name the write has succeeded: the
// folder is then synced too, so that the new name survives a power cut, but as best it can (a
// folder that cannot be synced leaves the file saved, and no failure is reported). A symbolic
// link at the final name is replaced itself: the file it points to is never written.
namespace ecriture_sure {

// Writes the content under that name, replacing the file that bears it (the new file takes its
// permissions); false when anything failed (nothing was replaced, no temporary file remains).
// `erreur`, when given, receives the system's reason, in French (cause()).
bool ecrire(const QString& fichier, const QByteArray& contenu, QString* erreur = nullptr);

// Writes the content under a name that no file bears: that name, or else that name followed by
// " (2)", " (3)"... before its extension, the first one free. The name is taken in the same
// step as the file gets it, so two writes at once, from this program or another, never take
// the same name, and no file is ever replaced (nor a link or a folder bearing the name). The new
// file has the permissions of any new file, never those of a file whose name it avoids. Returns
// the name written, or "" when anything failed (no temporary file remains; `erreur` as above).
// Where the name can only be taken as a second name of the file, the file is saved once it
// bears it: should its hidden temporary name then refuse to go, that name stays beside it.
QString ecrire_nouveau(const QString& fichier, const QByteArray& contenu, QString* erreur = nullptr);

// Writes a file that is not kept (a temporary file, read back at once and removed): a plain
// write over any file of that name, each write, the flush and the close checked, without the
// syncs to disk nor the new name of ecrire(). False when anything failed (a file this call
// opened is then removed, a file it could not open is left as it was; `erreur` as above).
bool ecrire_simplement(const QString& fichier, const QByteArray& contenu, QString* erreur = nullptr);

// The name with " (n)" before its extension (the part of the file name from its last dot).
QString nom_numerote(const QString& fichier, int n);

// The cause that a system error number stands for, in French, for a teacher to read
// ("le dossier n'existe pas", "le disque est plein"...).
QString cause(int numero);

// The message of a failure that a teacher reads: the message unchanged, then on a second line
// its cause ("Cause : le disque est plein.").
QString message_avec_cause(const QString& message, const QString& cause);

// The steps of a write, for the test hook. Where a new name is taken: nom_exclusif, the name
// taken only if free in one call (refused, it fails as on a file system that cannot, and a
// second name is made instead).
enum class Etape {
    ouverture,
    ecriture,
    vidage,
    synchronisation,
    remplacement,
    nom_exclusif,
    synchronisation_dossier
};

// Test hook, called before each step with the number of bytes written so far; returning false
// makes that step fail as the system would (a write refused for lack of space: the bytes
// already written stay in the temporary file). An empty function removes it.
using CrochetEcriture = std::function<bool(Etape etape, qint64 octets_ecrits)>;
void installer_crochet(CrochetEcriture crochet);

}
