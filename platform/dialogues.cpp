#include "platform/dialogues.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace {
CrochetEnregistrerSous crochet_enregistrer;

// "Images (*.bmp)|*.bmp" -> "Images (*.bmp)" for Qt's dialog.
QString filtre_qt(const QString& filtre) {
    const QStringList parties = filtre.split('|');
    QStringList filtres;
    for (int i = 0; i + 1 < parties.size(); i += 2) filtres << parties[i];
    return filtres.join(";;");
}

QString avec_extension(QString fichier, const QString& extension_defaut) {
    if (fichier.isEmpty()) return fichier;
    QString ext = extension_defaut;
    ext.remove('*');
    if (!ext.startsWith('.')) ext.prepend('.');
    if (QFileInfo(fichier).suffix().isEmpty() && ext.size() > 1) fichier += ext;
    return fichier;
}
}

void installer_crochet_enregistrer_sous(CrochetEnregistrerSous crochet) { crochet_enregistrer = std::move(crochet); }

QString dialogue_enregistrer_sous(QWidget* parent, const QString& filtre, const QString& titre,
                                  const QString& extension_defaut) {
    QString fichier;
    if (crochet_enregistrer)
        fichier = crochet_enregistrer(filtre, titre);
    else
        fichier = QFileDialog::getSaveFileName(parent, titre, QString(), filtre_qt(filtre));
    return avec_extension(fichier, extension_defaut);
}
