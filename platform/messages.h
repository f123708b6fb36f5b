#pragma once

#include <QString>
#include <functional>

// Message boxes with the run time's styles and answer codes.
namespace vb {
enum Style : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum Reponse : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };
}

// The title every box without a title of its own bears.
inline const QString titre_application = QStringLiteral("Vantarel");

// Shows a modal message box and returns the answer code. An empty title gives "Vantarel".
// The style adds the buttons, the icon and the default button (none: the first; 256 the
// second, 512 the third), which Enter chooses.
int MsgBox(const QString& texte, int style = vb::vbOKOnly, const QString& titre = QString());

// A message that names a file: the text, the file's path, then what follows it. The box shows
// the path kept apart from the sentence, in its own order, left to right (a part written in a
// right-to-left script keeps its order too, so a date stays after a name in Arabic), going to
// the next line only after a separator or, for a part too long for a line, within it; a drive
// ("C:\") stays with what follows. What a teacher selects or copies of it is the text itself,
// the path's characters and nothing else. The hook receives the whole text.
int MsgBoxFichier(const QString& texte, const QString& chemin, const QString& suite, int style = vb::vbOKOnly,
                  const QString& titre = QString());

// Replaces the real boxes (tests): the hook receives the text, the style and the shown title.
using CrochetMessages = std::function<int(const QString& texte, int style, const QString& titre)>;
void installer_crochet_messages(CrochetMessages crochet);
