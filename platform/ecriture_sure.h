#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// The one way the program writes a file that a teacher keeps (reports, pictures): the whole
// content goes into a new file beside the final one, every write, the flush and the sync to
// disk are checked, and only then does the new file take the final name in one step. So a full
// disk, a quota or a network share that fills leaves the earlier file as it was and is reported,
// never a truncated file. A symbolic link at the final name is replaced itself: the file it
// points to is never written.
namespace ecriture_sure {

// Writes the content under that name; false when anything failed (nothing was replaced, no
// temporary file remains). `erreur`, when given, receives the system's reason.
bool ecrire(const QString& fichier, const QByteArray& contenu, QString* erreur = nullptr);

// The steps of a write, for the test hook.
enum class Etape { ouverture, ecriture, vidage, synchronisation, remplacement };

// Test hook, called before each step with the number of bytes written so far; returning false
// makes that step fail as the system would (a write refused for lack of space: the bytes
// already written stay in the temporary file). An empty function removes it.
using CrochetEcriture = std::function<bool(Etape etape, qint64 octets_ecrits)>;
void installer_crochet(CrochetEcriture crochet);

}
